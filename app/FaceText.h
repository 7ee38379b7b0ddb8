#pragma once
// The interface text table. Every translated window, message box and link
// status text takes its text from FaceText by entry number; the table of
// all three languages is built into the program and copied once.
#include "app/Shell.h"

#include <span>

namespace app {

struct FaceTextRow {
    int entry;
    const char* text[3]; // by LangIndex 1, 2, 3
};

// Rows in ascending entry order; entries not listed stay empty.
std::span<const FaceTextRow> FaceTextRows();

// Fills FaceText from the column of LangIndex; a LangIndex outside 1-3 is
// made 3 first and stays 3.
void InitFaceText(ShellState& s = shell());

} // namespace app

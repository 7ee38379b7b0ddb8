#pragma once
// The serial-number list of the channel window without a display: a list
// file imported by the user, the entry whose number is message line 1 of the
// image, the "<<" and ">>" steps, the Auto box, and the step after each good
// radio write that gives the next radio the next number.
//
// The list file is INI text, section SerialNo, keys 1, 2, 3 ... read up to
// the first empty or missing key (at most 10000), each value at most 99
// characters. The chosen value's first 16 characters become message line 1
// (0xE610, 16 radio character codes, blanks as code 0).
#include "model/Model.h"

#include <string>
#include <vector>

namespace channels {

inline constexpr int SerialKeysLast = 10000;
inline constexpr int SerialLineChars = 16;

struct SerialEntry {
    int key = 0;
    std::string value;
};

struct SerialListState {
    std::vector<SerialEntry> Entries; // cboImportSeq, entry p for key p + 1
    int ListIndex = -1;               // the selected entry, -1 none
    bool SwitchVisible = false;       // cmdSeqSwitch(0) "<<" and (1) ">>"
    bool AutoVisible = false;         // chkAutoNextSn
    int AutoNextSn = 0;               // chkAutoNextSn, 1 ticked
    bool ExampleVisible = false;      // txtSeqExample
    bool UsedUp = false;              // a write used the last entry; message line 1 emptied
};

// The program's one instance, and a fresh one.
SerialListState& serialList();
void ResetSerialList();

// The list's text of an entry: the key with at least four digits, " -- ",
// the value ("0001 -- SN First").
std::string SerialEntryText(const SerialEntry& e);
// The five lines of txtSeqExample.
std::string SerialExampleText();

// The entries of a list file; a file that cannot be read has none.
std::vector<SerialEntry> ReadSerialList(const std::string& path);

// What the text box txtPc(2) shows for an entry: the value's first 16
// characters, the text message line 1 was stored from.
std::string SerialLineText(const SerialEntry& e);
// The text txtPc(2) takes after a choice, a step or the step after a write
// that changed something: the chosen entry's line text, or nothing once the
// list is used up.
std::string SerialBoxText(const SerialListState& s);

// Import of the file the user chose; an empty path (the dialog cancelled)
// changes nothing and gives false. With entries, entry 0 is chosen and the
// step buttons and the Auto box shown; without, they are hidden and the
// example shown when no list was chosen before.
bool ImportSerialList(SerialListState& s, model::Image& image, const std::string& path);

// Choosing entry index (cboImportSeq_Click): its number into message line 1.
// An index that is no entry changes nothing and gives false.
bool ChooseSerialEntry(SerialListState& s, model::Image& image, int index);

// "<<" (index 0) or ">>" (any other index): the entry before or after the
// selected one; nothing at either end or with an empty list. With no entry
// selected both choose entry 0. True when the selection moved.
bool SeqSwitch(SerialListState& s, model::Image& image, int index);

// The step after a good radio write, when the list has entries and Auto is
// ticked: the next entry; after the last one the list is used up: Auto
// unticks and message line 1 is emptied, so no later radio gets a number of
// this list again.
enum class SerialAdvance { None, Next, UsedUp };
SerialAdvance AdvanceAfterWrite(SerialListState& s, model::Image& image);

// What the read/write dialog tells the user when the list is used up, by
// LangIndex (outside 1-3 English).
std::string SerialListUsedUpText(int langIndex);

} // namespace channels

#pragma once
// The channel grid's layout, read per interface language from section
// ChInfo of the settings file: keys B, B+1, B+2, B+3 (channel count, row
// height, column count, format string), B+100+i (column widths) and
// B+200+50(c-1)+k (item k of column c), B = 1000, 3000 or 5000 for LangIndex
// 1, 2, 3. A column's list ends at the item EndItemMark.
#include "model/Model.h"

namespace model {

// Fills ChCount, ChRowHeight, ChColCount, ChGridFormat, ChColWidth and
// ChColList. A count outside its range (channels 1-256, data columns 0-20),
// or a row height or width that is no 16-bit number, takes its default
// (reported), so the codec and the grid always get a layout they can hold.
// A column whose list has no end mark within 50 items ends the reading
// (reported); later columns stay empty.
void ReadChInfo(ModelState& m);

} // namespace model

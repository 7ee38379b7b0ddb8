#pragma once
// The register window's logic (frmAdjMore): what each control writes into
// the image, the two register default buttons, the menu grid and the
// panels that the access codes show and hide.
#include "align/AccessCodes.h"
#include "align/AlignState.h"
#include "model/Model.h"

#include <string>

namespace align {

// A list, box or scroll bar of the register window (a Control of the map
// from cboSqlWide on, except vsfgGridMenu) changed to value: a list's
// position, a box's 1/0, a scroll bar's value. While AdjParaShowing is -1 it
// returns at once and stores nothing. Otherwise it records the value (a
// scroll bar also shows it in its text box) and stores its field:
// - the register 5AH lists store their whole word, and only once all five
//   have a choice; the enable boxes store their whole byte;
// - a battery list also has the flash grid show 0xE907-0xE917 again.
void AdjMoreFieldChanged(AlignState& a, model::Image& image, Control control, int index, int value);

// cmdReg34H_Def and cmdReg65H_Def: the default register words; the lists
// keep showing what they showed.
void cmdReg34H_Def_Click(model::Image& image);
void cmdReg65H_Def_Click(model::Image& image);

// After an edit of menu-grid row r (1-4) with position p chosen in the
// cell's list (-1 none): 255 for p < 1, else p - 1. Stored also while the
// display runs.
void vsfgGridMenu_AfterEdit(AlignState& a, model::Image& image, int row, int position);

// The three panel buttons, once the access-code dialog has closed: the
// right code shows the panels of the button's action, any other answer
// hides them. Buttons whose action is no panel change nothing.
void PanelCodeAnswered(AlignState& a, CodeButton button, const std::string& inputCode);

} // namespace align

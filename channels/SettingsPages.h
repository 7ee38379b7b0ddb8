#pragma once
// Loading and storing the settings pages: every control against its field of
// the image (SettingsMap.h), the page buttons, the VOX levels, the key lists
// and the auto-dial memories.
//
// Three kinds of entry:
// - Set...: code changes a control as the original's controls change: the
//   change handler runs at once, nested, when the value really changes.
// - User...: the user changed a control on a page. Refused (false, nothing
//   changes) while the interface is locked; the window then shows the state
//   again. A choice from a list runs its handler even when it is the same.
// - the handlers themselves (cboPc_Click ...), which return at once while
//   OptLoading is -1 (the key lists: while SkKeyBusy is -1).
//
// Text fields go through the model's converters, which reach the text boxes
// through model::frmChMem(): the channel window answers PcText(i) with
// txtPc[i].Text and SetPcText(i, t) with SetPcText below.
#include "channels/SettingsState.h"
#include "model/Model.h"

#include <string>

namespace channels {

// ---- Code changes a control ----
void SetPcListIndex(SettingsPages& p, model::ModelState& m, int index, int position);
void SetPcValue(SettingsPages& p, model::ModelState& m, int index, int value);
void SetPcText(SettingsPages& p, model::ModelState& m, int index, const std::string& text);
void SetVoxListIndex(SettingsPages& p, model::ModelState& m, int level, int position);
void SetAutoMemText(SettingsPages& p, model::ModelState& m, int memory, const std::string& text);
void SetKeyListIndex(SettingsPages& p, model::ModelState& m, int key, int position);

// ---- The user changes a control ----
bool UserChoosePc(SettingsPages& p, model::ModelState& m, int index, int position);
bool UserTickPc(SettingsPages& p, model::ModelState& m, int index, int value);
bool UserTypePc(SettingsPages& p, model::ModelState& m, int index, const std::string& text);
bool UserChooseVox(SettingsPages& p, model::ModelState& m, int level, int position);
bool UserTypeAutoMem(SettingsPages& p, model::ModelState& m, int memory, const std::string& text);
bool UserChooseKey(SettingsPages& p, model::ModelState& m, int key, int position);
bool UserPressPc(SettingsPages& p, model::ModelState& m, int index);
// The side grids' after-edit: cell (row, col) now holds text. While the pages
// are being filled (OptLoading) nothing is stored.
bool UserEditTwoTone(SettingsPages& p, model::ModelState& m, int row, int col, const std::string& text);
bool UserEditRadio(SettingsPages& p, model::ModelState& m, int row, int col, const std::string& text);
bool UserEditPhoneBook(SettingsPages& p, model::ModelState& m, int row, int col, const std::string& text);

// ---- Change handlers ----
// cboPc(index): stores the list position; 35 also enables cboPc(36), 46
// also moves cboPc(47).
void cboPc_Click(SettingsPages& p, model::ModelState& m, int index);
// chkPc(index): 0 or 1 into a byte, or the bit of a shared byte.
void chkPc_Click(SettingsPages& p, model::ModelState& m, int index);
// txtPc(index): cleans the text where the field asks it, stores it and
// shows what was kept.
void txtPc_Change(SettingsPages& p, model::ModelState& m, int index);
// Level 1-10: stores the byte; level 10 at 255 or level 1 at 0 resets all
// ten to their defaults instead.
void cboVoxCmpDat_Click(SettingsPages& p, model::ModelState& m, int level);
void txtAutoMem_Change(SettingsPages& p, model::ModelState& m, int memory);
void listSkKey_Click(SettingsPages& p, model::ModelState& m, int key);

// The buttons: 0 Restore Default Setting, 2 the VOX defaults, 3 the volume
// dialog (buttons 1 and 4 are the channel page's own).
void cmdPc_Click(SettingsPages& p, model::ModelState& m, int index);

// The VOX reset as one operation: ten bytes, ten positions, ten tool tips.
void VoxDefault(SettingsPages& p, model::ModelState& m);

// Reads DefRadioSet.def like File > Open, but the alignment area (pages 58
// and 62, bits 7-6 and 1 of 0xECA2) stays as it was; it is back in the image
// before anything shows the image. A file that cannot be read changes
// nothing.
void RestoreDefaultSetting(model::ModelState& m);

// ---- Loading ----
// Lays the side grids out in the language of langIndex: once, when the
// channel window loads, before InitFace and SetOptList.
void InitSideGrids(SettingsPages& p, int langIndex);

// Shows the whole image on the pages, repairing the bytes the pages cannot
// show (the byte map's repair values): the settings, the side grids and the
// read/write code. OptLoading is -1 throughout and released on every path; a
// failure passes to the caller. Stores nothing else: a load followed by no
// edit leaves the image as it was but for the repairs.
void InitOpt(SettingsPages& p, model::ModelState& m);

} // namespace channels

#pragma once
// The serial-number list of the channel window without a display: a list
// file imported by the user, the entry whose number is message line 1 of the
// image, the "<<" and ">>" steps, the Auto box, and the step after each good
// radio write that gives the next radio the next number.
//
// The list file is INI text, section SerialNo, keys 1, 2, 3 ... read up to
// the first empty or missing key (at most 10000), each value at most 99
// characters. The chosen value goes into the text box txtPc(2), whose change
// stores it as message line 1 (0xE610); the import refuses a list whose
// numbers that line could not keep apart.
#include "link/Commun.h"
#include "model/Model.h"

#include <string>
#include <vector>

namespace channels {

struct SettingsPages;

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

// The list's text of an entry: the key with at least four digits, " -- ",
// the value ("0001 -- SN First").
std::string SerialEntryText(const SerialEntry& e);
// The five lines of txtSeqExample.
std::string SerialExampleText();

// The entries of a list file; a file that cannot be read has none.
std::vector<SerialEntry> ReadSerialList(const std::string& path);

// What message line 1 takes of an entry: the value's first 16 characters.
std::string SerialLineText(const SerialEntry& e);

// What keeps a list from giving each radio a number of its own: no entries;
// entries longer than message line 1, which would cut them; two entries that
// message line 1 would hold alike (the same number twice, numbers alike in
// their first 16 characters, or alike but for characters the radio lacks).
struct SerialListCheck {
    bool noEntries = false;
    int longCount = 0;                 // entries longer than 16 characters
    SerialEntry firstLong;             // the first of them
    std::vector<SerialEntry> sameLine; // the first two entries alike in message line 1, or none
    std::string sameLineText;          // message line 1 as both would show it
    bool passed() const { return !noEntries && longCount == 0 && sameLine.empty(); }
};
SerialListCheck CheckSerialList(const std::vector<SerialEntry>& entries);

// The refusal of the list file at path in the interface language, naming the
// entries; listInUse adds that the list in use stays.
std::string SerialListRefusal(const SerialListCheck& c, const std::string& path, bool listInUse);

enum class SerialImport { Cancelled, Imported, Refused };

// Import of the file the user chose; an empty path (the dialog cancelled)
// changes nothing. A list that passes the check replaces the one in use:
// entry 0 is chosen and the step buttons and the Auto box shown. A file that
// cannot be read or fails the check changes nothing, and a message box says
// why; a file without entries also shows the example when no list was chosen
// before.
SerialImport ImportSerialList(SettingsPages& p, model::ModelState& m, const std::string& path);

// Choosing entry index (cboImportSeq_Click): its number into message line 1.
// An index that is no entry changes nothing and gives false.
bool ChooseSerialEntry(SettingsPages& p, model::ModelState& m, int index);

// "<<" (index 0) or ">>" (any other index): the entry before or after the
// selected one; nothing at either end or with an empty list. With no entry
// selected both choose entry 0. True when the selection moved.
bool SeqSwitch(SettingsPages& p, model::ModelState& m, int index);

// The step after a good radio write, when the list has entries and Auto is
// ticked: the next entry; after the last one the list is used up: Auto
// unticks and message line 1 is emptied (as an empty txtPc(2) stores it), so
// no later radio gets a number of this list again.
radiolink::SerialStep AdvanceAfterWrite(SettingsPages& p, model::ModelState& m);

// The user's entries; each is refused (false, nothing changes) while the
// interface is locked. The import asks for the file with the open dialog,
// starting in the folder of the current file.
bool UserImportSerialList(SettingsPages& p, model::ModelState& m);
bool UserChooseSerialEntry(SettingsPages& p, model::ModelState& m, int index);
bool UserSeqSwitch(SettingsPages& p, model::ModelState& m, int index);
bool UserTickAutoNextSn(SettingsPages& p, int value);

// The list as the read/write dialog moves it on after a good write
// (radiolink::SerialNumberList); the channel window registers one while it
// exists.
class SerialNumbers : public radiolink::SerialNumberList {
  public:
    SerialNumbers(SettingsPages& p, model::ModelState& m) : p_(p), m_(m) {}
    bool ListVisible() override { return true; } // cboImportSeq is always shown
    int ListCount() override;
    int AutoNextValue() override;
    radiolink::SerialStep StepAfterWrite() override { return AdvanceAfterWrite(p_, m_); }

  private:
    SettingsPages& p_;
    model::ModelState& m_;
};

} // namespace channels

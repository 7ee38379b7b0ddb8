// The page buttons, the VOX levels, the auto-dial memories and the key lists.
#include "channels/SettingsLists.h"
#include "channels/SettingsMap.h"
#include "channels/SettingsPages.h"
#include "channels/SettingsSupport.h"

#include "app/DataFile.h"
#include "app/ErrorReporter.h"
#include "model/CodeFields.h"
#include "model/ImageMap.h"
#include "platform/ScopedFlag.h"
#include "platform/System.h"
#include "shell/FileCommands.h"

#include <algorithm>
#include <array>

namespace channels {

using namespace detail;

namespace {

// Button 1 (the channel groups) and 4 (the alignment tools) are the channel
// page's own.
enum Button { RestoreDefaults = 0, VoxReset = 2, Volume = 3 };
constexpr int FirstVox = 1, LastVox = 10;

// The alignment area of an image, kept across a load of the defaults.
struct AlignmentArea {
    std::array<std::uint8_t, model::map::PageSize> page58{};
    std::array<std::uint8_t, model::map::PageSize> page62{};
    std::uint8_t eca2 = 0;
};

constexpr model::map::Addr Page58 = model::map::PageStart(58);
constexpr model::map::Addr Page62 = model::map::PageStart(62);

AlignmentArea keptAlignment(const model::Image& image) {
    AlignmentArea a;
    std::copy_n(image.begin() + Page58, a.page58.size(), a.page58.begin());
    std::copy_n(image.begin() + Page62, a.page62.size(), a.page62.begin());
    a.eca2 = image[model::map::SharedCrystalByte];
    return a;
}

void putBack(app::ImageSpan image, const AlignmentArea& a) {
    std::copy(a.page58.begin(), a.page58.end(), image.begin() + Page58);
    std::copy(a.page62.begin(), a.page62.end(), image.begin() + Page62);
    std::uint8_t& b = image[model::map::SharedCrystalByte];
    b = static_cast<std::uint8_t>((b & ~AlignmentBitsOfEca2) | (a.eca2 & AlignmentBitsOfEca2));
}

} // namespace

// ---- Buttons ----

void cmdPc_Click(SettingsPages& p, model::ModelState& m, int index) {
    if (p.OptLoading == -1) return;
    app::Guarded("frmChMem->cmdPc_Click", [&] {
        switch (index) {
        case RestoreDefaults:
            RestoreDefaultSetting(m);
            break;
        case VoxReset:
            VoxDefault(p, m);
            break;
        case Volume:
            platform::host<SettingsPagesHost>().ShowVolumeDialog();
            break;
        default:
            break;
        }
    });
}

bool UserPressPc(SettingsPages& p, model::ModelState& m, int index) {
    if (locked()) return false;
    cmdPc_Click(p, m, index);
    return true;
}

void RestoreDefaultSetting(model::ModelState& m) {
    const AlignmentArea kept = keptAlignment(m.IicDat);
    shell::OpenFile(platform::joinPath(platform::programFolder(), "DefRadioSet.def"), m,
                    [&kept](app::ImageSpan image) { putBack(image, kept); });
}

// ---- The side grids ----

namespace {

using AfterEdit = void (*)(model::ModelState&, SideGridsState&, int, int, const std::string&);

bool userEdit(SettingsPages& p, model::ModelState& m, AfterEdit store, int row, int col,
              const std::string& text) {
    if (locked()) return false;
    if (p.OptLoading != -1) store(m, p.grids, row, col, text);
    return true;
}

} // namespace

bool UserEditTwoTone(SettingsPages& p, model::ModelState& m, int row, int col, const std::string& text) {
    return userEdit(p, m, TwoToneAfterEdit, row, col, text);
}

bool UserEditRadio(SettingsPages& p, model::ModelState& m, int row, int col, const std::string& text) {
    return userEdit(p, m, RadioAfterEdit, row, col, text);
}

bool UserEditPhoneBook(SettingsPages& p, model::ModelState& m, int row, int col, const std::string& text) {
    return userEdit(p, m, PhoneBookAfterEdit, row, col, text);
}

// ---- VOX comparison levels ----

void SetVoxListIndex(SettingsPages& p, model::ModelState& m, int level, int position) {
    if (!moveTo(at(p.cboVoxCmpDat, level, FirstVox), position)) return;
    notify(Ctl::Vox, level);
    cboVoxCmpDat_Click(p, m, level);
}

bool UserChooseVox(SettingsPages& p, model::ModelState& m, int level, int position) {
    if (locked()) return false;
    chooseIn(at(p.cboVoxCmpDat, level, FirstVox), position);
    cboVoxCmpDat_Click(p, m, level);
    return true;
}

void cboVoxCmpDat_Click(SettingsPages& p, model::ModelState& m, int level) {
    if (p.OptLoading == -1) return;
    // A settings handler ends silently; what it wrote stays.
    app::Guarded(app::Unreported, [&] {
        ComboBox& c = at(p.cboVoxCmpDat, level, FirstVox);
        if (c.ListIndex < 0) return;
        m.IicDat[VoxLevelAddr(level)] = static_cast<std::uint8_t>(c.ListIndex);
        // Level 10 at the top or level 1 at the bottom leaves no working
        // range: all ten return to their defaults.
        if (p.cboVoxCmpDat[LastVox].ListIndex >= 255 || p.cboVoxCmpDat[FirstVox].ListIndex <= 0) {
            VoxDefault(p, m);
            return;
        }
        c.ToolTip = VoxTip(m.IicDat[VoxLevelAddr(level)]);
        notify(Ctl::Vox, level);
    });
}

// Sets the ten positions directly: their handlers would find the reset
// half done and start it again.
void VoxDefault(SettingsPages& p, model::ModelState& m) {
    for (int level = FirstVox; level <= LastVox; ++level) {
        const std::uint8_t b = VoxDefaults[level];
        m.IicDat[VoxLevelAddr(level)] = b;
        ComboBox& c = p.cboVoxCmpDat[static_cast<std::size_t>(level)];
        c.ListIndex = b;
        c.ToolTip = VoxTip(b);
        notify(Ctl::Vox, level);
    }
}

// ---- Auto-dial memories ----

void SetAutoMemText(SettingsPages& p, model::ModelState& m, int memory, const std::string& text) {
    if (!putText(at(p.txtAutoMem, memory), text)) return;
    notify(Ctl::AutoMem, memory);
    txtAutoMem_Change(p, m, memory);
}

bool UserTypeAutoMem(SettingsPages& p, model::ModelState& m, int memory, const std::string& text) {
    if (locked()) return false;
    if (putText(at(p.txtAutoMem, memory), text)) txtAutoMem_Change(p, m, memory);
    return true;
}

void txtAutoMem_Change(SettingsPages& p, model::ModelState& m, int memory) {
    if (p.OptLoading == -1) return;
    storeDtmfBox(
        m, at(p.txtAutoMem, memory), [&](const std::string& kept) { SetAutoMemText(p, m, memory, kept); },
        model::map::AutoDialAddr(memory), model::DtmfCodeChars);
}

// ---- Key function lists ----

void SetKeyListIndex(SettingsPages& p, model::ModelState& m, int key, int position) {
    if (!moveTo(at(p.listSkKey, key), position)) return;
    notify(Ctl::Key, key);
    listSkKey_Click(p, m, key);
}

bool UserChooseKey(SettingsPages& p, model::ModelState& m, int key, int position) {
    if (locked()) return false;
    chooseIn(at(p.listSkKey, key), position);
    listSkKey_Click(p, m, key);
    return true;
}

// The one mark of a list is its ListIndex, so clearing the other marks and
// marking the chosen entry is the position itself.
void listSkKey_Click(SettingsPages& p, model::ModelState& m, int key) {
    if (p.SkKeyBusy == -1) return;
    platform::ScopedFlag busy(p.SkKeyBusy);
    const int position = at(p.listSkKey, key).ListIndex;
    if (position < 0) return;
    m.IicDat[KeyAddr[key]] = static_cast<std::uint8_t>(position > KeyHighest[key] ? 0 : position);
}

} // namespace channels

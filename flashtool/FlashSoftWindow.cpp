#include "flashtool/FlashSoftWindow.h"

#include "app/Settings.h"
#include "flashtool/FlashSoft.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/IntelHex.h"
#include "flashtool/MemoryGrids.h"
#include "model/ImageMap.h"
#include "platform/Desktop.h"
#include "platform/Numbers.h"
#include "platform/ProductionFolder.h"

namespace flashtool {
namespace {

constexpr int kIdentitySearchLast = 3500;
constexpr std::uint32_t kBootBytes = 6144; // pages 0-5
constexpr std::uint32_t kDataAreaStart = model::map::SoftLastAddr + 1;

bool isModel(int m) {
    return m >= radiolink::FirstModelCode && m <= radiolink::LastModelCode;
}

// A stored index within [lo, hi], read as app::ReadIniNum reads it (an
// empty value is the default), or nullopt for any other text. Not
// app::ReadSettingNumber: a text that is no number selects no model rather
// than the default one, and a fraction rounds to its index.
std::optional<std::int32_t> readIndex(const app::SettingKey& k, int lo, int hi) {
    const std::string text =
        app::ReadIniText(k.section, k.key, k.defaultValue, k.n, k.n, app::SettingsFile());
    return platform::roundedNumber(text.empty() ? std::string(k.defaultValue) : text, lo, hi);
}

} // namespace

FlashSoftWindow::FlashSoftWindow(radiolink::FirmwareState& fw, ToolState& tool)
    : cmdChkLeadSoftVerCaption(texts::BootCheckCaption), cboSaveAddr(DefaultSaveAddr()), fw_(fw),
      tool_(tool) {
    for (int i = 0; i < SoftFileCount; ++i) cboSoftFileAddrItems.push_back(SoftFilePath(i));
}

void FlashSoftWindow::Load() {
    if (loaded_) return;
    loaded_ = true;
    Form_Load();
}

void FlashSoftWindow::Unload() {
    cboModelSelectItems.clear();
    cboModelSelect = -1;
    cboSoftVerItems.clear();
    cboSoftVer = -1;
    txtSoftSpecial.clear();
    cmdChkLeadSoftVerCaption = texts::BootCheckCaption;
    chkWrSelectSoftVer = 0;
    cboSoftFileAddr = -1;
    cboSaveAddr = DefaultSaveAddr();
    converted = {};
    loaded_ = false;
    changed();
}

void FlashSoftWindow::Form_Load() {
    // The converter's output folder, so that it is there to be chosen and
    // opened; one that cannot be made is told when a conversion writes there.
    platform::makeProductionFolders({platform::OtherFolder});
    ShowModelSelect();
    cboSoftFileAddr_Click(readIndex(app::keys::SoftFileAddr, 0, SoftFileCount - 1).value_or(0));
}

void FlashSoftWindow::ShowModelSelect() {
    cboModelSelectItems.clear();
    for (int i = 0; i < radiolink::FirstModelCode; ++i)
        cboModelSelectItems.push_back(std::to_string(i) + texts::Unassigned);
    for (int m = radiolink::FirstModelCode; m <= radiolink::LastModelCode; ++m)
        cboModelSelectItems.push_back(fw_.SoftModelTbl[m][0]);
    cboModelSelect = -1;
    changed();
    if (const std::optional<std::int32_t> stored =
            readIndex(app::keys::ModelSelect, 0, radiolink::LastModelCode))
        cboModelSelect_Click(*stored);
}

void FlashSoftWindow::cboModelSelect_Click(int index) {
    if (index < 0 || index >= static_cast<int>(cboModelSelectItems.size())) return;
    cboModelSelect = index;
    changed();
    if (!isModel(index) || cboModelSelectItems[index].empty()) return;
    app::WriteSetting(app::keys::ModelSelect, std::to_string(index));
    listVersions(index);
    if (!cboSoftVerItems.empty()) cboSoftVer_Click(static_cast<int>(cboSoftVerItems.size()) - 1);
}

void FlashSoftWindow::listVersions(int model) {
    cboSoftVerItems = VersionNames(fw_, model);
    cboSoftVer = -1;
    changed();
}

bool FlashSoftWindow::cboSoftVer_Click(int position) {
    return loadVersion(position, false);
}

bool FlashSoftWindow::loadVersion(int position, bool withDataArea) {
    if (position < 0 || position >= static_cast<int>(cboSoftVerItems.size())) return false;
    cboSoftVer = position;
    changed();
    const std::optional<std::int32_t> version =
        platform::wholeNumber(cboSoftVerItems[position], 0, LastVersionNumber);
    if (!version) return false;
    const std::vector<std::string> lines = GetFlashSoftHex(cboModelSelect, *version);
    if (lines.empty()) return false;
    const HexImage hex = ParseHexLines(lines);
    if (!hex) return false;
    if (std::optional<std::string> identity = FindIdentity(lines, kIdentitySearchLast))
        txtSoftSpecial = *identity;
    const std::uint32_t keepFrom = withDataArea ? 0x10000 : kDataAreaStart;
    ApplyHexImage(hex, model::map::SoftLastAddr, tool_.image, keepFrom);
    ShowLoadedImage(tool_, model::map::SoftLastAddr, keepFrom - 1);
    changed();
    return true;
}

void FlashSoftWindow::chkWrSelectSoftVer_Click(int value) {
    chkWrSelectSoftVer = value == 1 ? 1 : 0;
    if (chkWrSelectSoftVer == 1) {
        if (isModel(cboModelSelect)) TrimVersionsAfter(fw_, cboModelSelect, cboSoftVer);
    } else {
        radiolink::InitFlashSoftModel(fw_);
    }
    changed();
    cboModelSelect_Click(cboModelSelect);
}

void FlashSoftWindow::cmdChkLeadSoftVer_Click() {
    const int n = static_cast<int>(cboSoftVerItems.size());
    if (n <= 1) {
        cmdChkLeadSoftVerCaption = texts::BootCheckOnlyOne;
        changed();
        return;
    }
    cmdChkLeadSoftVerCaption = texts::BootCheckRunning;
    changed();
    // Each version's boot pages as its load would leave them.
    std::vector<model::Image> boot(static_cast<std::size_t>(n));
    std::string outcome = texts::BootCheckPassed;
    for (int k = 0; k < n && outcome == texts::BootCheckPassed; ++k) {
        const std::optional<std::int32_t> version =
            platform::wholeNumber(cboSoftVerItems[k], 0, LastVersionNumber);
        const HexImage hex =
            ParseHexLines(version ? GetFlashSoftHex(cboModelSelect, *version) : std::vector<std::string>{});
        if (!hex) {
            outcome = texts::BootCheckNoImage + cboSoftVerItems[k];
            break;
        }
        ApplyHexImage(hex, kBootBytes - 1, boot[k], kBootBytes);
    }
    for (int k = 0; k + 1 < n && outcome == texts::BootCheckPassed; ++k) {
        for (std::uint32_t p = 0; p < kBootBytes; ++p) {
            if (boot[k][p] == boot[k + 1][p]) continue;
            outcome = texts::BootCheckFailedAt + std::to_string(p) + texts::BootCheckVersions +
                      cboSoftVerItems[k] + " " + cboSoftVerItems[k + 1];
            break;
        }
    }
    cboSoftVer_Click(n - 1);
    cmdChkLeadSoftVerCaption = outcome;
    changed();
}

void FlashSoftWindow::cboSoftFileAddr_Click(int index) {
    if (index < 0 || index >= SoftFileCount) return;
    cboSoftFileAddr = index;
    app::WriteSetting(app::keys::SoftFileAddr, std::to_string(index));
    changed();
}

ConvertOutcome FlashSoftWindow::cmdSoftConvert_Click() {
    if (cboSoftFileAddr < 0) return {false, texts::NoInputChosen, std::nullopt};
    ConvertOutcome outcome = SoftConvert(cboSoftFileAddrItems[cboSoftFileAddr], cboSaveAddr, fw_);
    if (outcome.fields) converted = *outcome.fields;
    changed();
    if (outcome.ok) platform::desktop().OpenDocument(cboSaveAddr);
    return outcome;
}

bool FlashSoftWindow::LoadNewestVersion(int model) {
    Load();
    if (!isModel(model) || cboModelSelectItems[model].empty()) return false;
    if (cboModelSelect != model) {
        cboModelSelect = model;
        app::WriteSetting(app::keys::ModelSelect, std::to_string(model));
    }
    listVersions(model);
    if (cboSoftVerItems.empty()) return false;
    return loadVersion(static_cast<int>(cboSoftVerItems.size()) - 1, true);
}

FlashSoftWindow& flashSoft() {
    static FlashSoftWindow window(radiolink::firmware(), tool());
    return window;
}

} // namespace flashtool

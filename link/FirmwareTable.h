#pragma once
// The built-in firmware tables as the radio write consults them, and the
// firmware window (frmFlashSoft) as the write drives it.
//
// SoftModelTbl[m][c], model code m 100-125: column 0 the model name, 1 the
// code as text, 2-30 the version names oldest first (the list ends at the
// first empty cell). SoftSpecialTbl[m][c]: the identity (ten upper-case hex
// digits) of the version in column c.
#include "platform/Host.h"

#include <array>
#include <string>

namespace radiolink {

inline constexpr int FirstModelCode = 100, LastModelCode = 125;
inline constexpr int FirstVersionColumn = 2, LastVersionColumn = 30;

using FirmwareTable = std::array<std::array<std::string, LastVersionColumn + 1>, LastModelCode + 1>;

// What the write asks of the firmware window frmFlashSoft: a host interface
// (platform/Host.h). The flash tools (flashtool/ui) register it at start-up;
// it creates the window on first use. Until then no version loads and none
// is chosen.
class FirmwareWindow {
  public:
    virtual ~FirmwareWindow() = default;
    // Selects model m in the model list and its newest listed version, and
    // loads that version's built-in image into the memory image, also when
    // both lists stood there already. False when nothing was loaded (the
    // model lists no version, or no image is stored for it).
    virtual bool LoadNewestVersion(int /*model*/) { return false; }
    // chkWrSelectSoftVer: write the version chosen in the window.
    virtual bool WriteSelectedVersion() { return false; }
};

struct FirmwareState {
    FirmwareTable SoftModelTbl{};
    FirmwareTable SoftSpecialTbl{};
};

FirmwareState& firmware();

// Writes the built-in cells of both tables; every other cell stays.
void InitFlashSoftModel(FirmwareState& fw);

// The identity of model m's newest version: SoftSpecialTbl at the column
// before the first empty version name. Empty for a model without versions
// or a code outside 100-125.
std::string ExpectedIdentity(const FirmwareState& fw, int model);

} // namespace radiolink

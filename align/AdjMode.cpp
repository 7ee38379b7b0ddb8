#include "align/AdjMode.h"

#include "app/DataFile.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "link/Engine.h"
#include "link/PortChoice.h"
#include "link/Protocol.h"
#include "model/Bands.h"
#include "platform/Numbers.h"
#include "shell/Startup.h"

#include <optional>

namespace align {
namespace {

// The baud list's entries for the high-speed box ticked and unticked.
constexpr std::int16_t kHighSpeedEntry = 8, kNormalSpeedEntry = 6;

std::optional<int> intervalOf(const std::string& text) {
    return platform::wholeNumber(text, 0, kMaxInterval);
}

void refuseInterval(AdjModeWindow& w) {
    w.txtWrInterval = w.lastGoodInterval;
    w.chkAutoWr.Value = 0;
    w.tmrAutoWr.Enabled = false;
}

} // namespace

void AdjModeFieldChanged(AlignState& a, radiolink::LinkState& link, model::Image& image, Control control,
                         int index, int value) {
    const std::optional<Field> field = FieldOf(control, index);
    if (!field || WindowOf(control) != Window::AdjMode) return;
    AdjModeWindow& w = AdjMode(a);
    FieldControl& c = w.fields.at(control, index);
    c.Value = value;
    if (value < 0) return; // a list without a choice stores nothing
    StoreField(image, *field, value);
    if (control != Control::cboPwrAdj || w.chkOnlineAdj.Value != 1) return;
    DisabledWhileBusy busy(c);
    windows().AdjModeChanged();
    radiolink::SendPowerAdjCmd(link, index == 0 ? 1 : 0, static_cast<std::uint8_t>(value));
}

void chkBps_Click(AlignState& a, radiolink::LinkState& link, int value) {
    AdjMode(a).chkBps.Value = static_cast<std::int16_t>(value);
    link.ComBpsIndex = value == 1 ? kHighSpeedEntry : kNormalSpeedEntry;
    link.ComBpsText = radiolink::kBaudList[link.ComBpsIndex];
    radiolink::cboComBps_Click(link, link.ComBpsIndex); // applies the rate to the serial control
    a.BpsListIndex = link.ComBpsIndex;
}

void chkExitTryCom_Click(AlignState& a, radiolink::LinkState& link, int value) {
    AdjMode(a).chkExitTryCom.Value = static_cast<std::int16_t>(value);
    link.ComStop = value == 1 ? -1 : 0;
}

void AdjModeLoad(AlignState& a, const radiolink::LinkState& link) {
    AdjMode(a).chkBps.Value = link.ComBpsIndex == kHighSpeedEntry ? 1 : 0;
}

void AdjModeUnload(AlignState& a, radiolink::LinkState& link) {
    if (a.frmAdjMode && a.frmAdjMode->chkExitTryCom.Value == 1) link.ComStop = 0;
    a.frmAdjMode.reset();
}

void optRwSort_Click(AlignState& a, int k) {
    if (k != 2 && k != 3) return;
    AdjModeWindow& w = AdjMode(a);
    w.optRwSort = k;
    w.cmdRead.Enabled = k == 2;
    w.cmdWrite.Enabled = k == 3;
}

bool chkAutoWr_Click(AlignState& a, int value) {
    AdjModeWindow& w = AdjMode(a);
    w.chkAutoWr.Value = static_cast<std::int16_t>(value);
    w.tmrAutoWr.Enabled = false;
    const std::optional<int> interval = intervalOf(w.txtWrInterval);
    if (!interval) {
        refuseInterval(w);
        return false;
    }
    w.lastGoodInterval = w.txtWrInterval;
    w.tmrAutoWr.Interval = *interval;
    // An interval of 0 leaves the timer silent.
    w.tmrAutoWr.Enabled = value == 1 && *interval > 0;
    return true;
}

AutoRwStep tmrAutoWr_Timer(AlignState& a, const radiolink::LinkState& link) {
    AdjModeWindow& w = AdjMode(a);
    if (w.chkCheckRw.Value == 1) {
        w.cmdRead.Enabled = true;
        w.cmdWrite.Enabled = true;
    }
    if (!w.cmdWrite.Enabled) return AutoRwStep::None;
    if (link.ComBusy == -1 || radiolink::LinkRefuses(link)) return AutoRwStep::None;
    if (w.chkCheckRw.Value != 1) return AutoRwStep::Write;
    if (a.AutoRwToggle == 0) {
        a.AutoRwToggle = -1;
        return AutoRwStep::Read;
    }
    a.AutoRwToggle = 0;
    return AutoRwStep::Write;
}

bool txtWrInterval_DblClick(AlignState& a) {
    AdjModeWindow& w = AdjMode(a);
    const std::optional<double> number = platform::parseNumber(w.txtWrInterval);
    if (number && *number < 10) w.txtWrInterval = "2500";
    if (!intervalOf(w.txtWrInterval)) {
        refuseInterval(w);
        return false;
    }
    w.lastGoodInterval = w.txtWrInterval;
    shell::NoteSettingsWrite(app::shell(), app::WriteSetting(app::keys::AutoWrInterval, w.txtWrInterval));
    return true;
}

void chkAutoShowFlash_Click(AlignState& a, int value) {
    AdjModeWindow& w = AdjMode(a);
    w.chkAutoShowFlash.Value = static_cast<std::int16_t>(value);
    w.tmrAutoShowFlash.Enabled = false;
    if (value != 1) return;
    w.tmrAutoShowFlash.Interval = 1000;
    w.tmrAutoShowFlash.Enabled = true;
}

void AdjReadRadio(radiolink::LinkState& link, model::ModelState& m) {
    link.FreMode = 0;
    radiolink::ReadRadio(link, m.IicDat);
    model::SoftDisplay(m);
}

radiolink::WriteFirmware AdjWriteRadio(radiolink::LinkState& link, radiolink::FirmwareState& fw,
                                       model::ModelState& m) {
    link.FreMode = 0;
    return radiolink::WriteRadio(link, fw, m.IicDat);
}

void AdjReadDataFile(const std::string& path, model::ModelState& m) {
    app::ReadDataFile(path, m.IicDat);
    model::SoftDisplay(m);
}

} // namespace align

#include "shell/SoftInit.h"

#include "app/Settings.h"
#include "link/PortChoice.h"
#include "link/SerialHost.h"
#include "model/Volume.h"
#include "platform/Numbers.h"
#include "shell/Startup.h"

#include <algorithm>
#include <climits>

namespace shell {

void ChooseRunPort(radiolink::LinkState& link, radiolink::FirmwareState& fw) {
    const int settingPort = radiolink::PortNumberOf(app::ReadSetting(app::keys::SettingCom));
    if (settingPort != 0) link.ComPortNo = static_cast<std::int16_t>(settingPort);
    radiolink::EnsureSerialHost(link, fw);
    radiolink::TestComPort(link, settingPort);
    if (radiolink::PortStateOf(link, link.ComPortNo) == -1) radiolink::AutoSelectComPort(link);
    link.ComBpsIndex = 6;
    link.ComBpsText = "9600";
}

void ReadEmptyCellColor(app::ShellState& s) {
    s.EmptyCellColor = app::ReadSetting(app::keys::DefColor, s.SettingsFile);
    if (!platform::wholeNumber(s.EmptyCellColor, INT32_MIN, INT32_MAX))
        s.EmptyCellColor = app::keys::DefColor.defaultValue;
}

void ShowStoredBandLimits(model::ChannelWindow& w) {
    for (int box = 0; box < 4; ++box) w.SetFreBandText(box, app::ReadSetting(app::FreBandKey(box)));
}

void ResetAutoUpdate(app::ShellState& s) {
    NoteSettingsWrite(s, app::WriteSetting(app::keys::Update, "0", s.SettingsFile));
}

void PrepareModel(model::ModelState& m) {
    m.NewRdWrCode.fill(0xFF);
    for (auto& name : m.ChNameDat) std::fill(name.begin(), name.begin() + 6, 0xFF);
    model::InitVolumeTbl(m);
}

bool ReadFaceLock(app::ShellState& s) {
    s.FaceLockState = app::ReadSetting(app::keys::ChannelLock, s.SettingsFile);
    return s.FaceLockState == "ShowLock";
}

void ReadVolumeMode(model::ModelState& m) {
    m.VolumeMode =
        static_cast<std::int16_t>(app::ReadSettingNumber(app::keys::VolumeMode, INT16_MIN, INT16_MAX));
}

} // namespace shell

#include "channels/VolumeDialog.h"

#include "channels/ChannelTexts.h"
#include "channels/SettingsLists.h"
#include "channels/SettingsSupport.h"

#include "app/FaceText.h"
#include "app/Settings.h"
#include "model/ImageMap.h"
#include "model/Volume.h"
#include "platform/ScopedFlag.h"
#include "shell/Startup.h"

namespace channels {

using namespace detail;

namespace {

constexpr int FirstLevel = 1, LastLevel = 10;

int modeIndex(const VolumeDialog& d) {
    return d.chkVolMode.Value == 1 ? 1 : 0;
}

model::map::Addr levelAddr(int level) {
    return model::map::VolumeLevelBase + static_cast<model::map::Addr>(level);
}

} // namespace

VolumeDialog::VolumeDialog() {
    for (int level = FirstLevel; level <= LastLevel; ++level) cboVolumeDat[level].items = ByteList();
}

VolumeTexts VolumeDialogTexts() {
    VolumeTexts t;
    t.Caption = app::text(kTextVolumeTitle);
    // One space fewer before 10, so the ten captions line up.
    for (int i = FirstLevel; i <= LastLevel; ++i)
        t.lblVolumeLevel[i] = app::text(kTextVolume) + (i < 10 ? "  " : " ") + std::to_string(i) + " " +
                              app::text(kTextVolumeLevel);
    t.cmdDefault = app::text(kTextVolumeDefault);
    t.chkVolumeIic = app::text(kTextVolumeUse);
    t.cmdOk = app::text(kTextVolumeOk);
    t.chkVolMode = app::text(kTextVolumeMode);
    return t;
}

void frmSetVolume_Load(VolumeDialog& d, model::ModelState& m) {
    if (m.VolumeMode != 0 && m.VolumeMode != 1) m.VolumeMode = 0;
    SetVolMode(d, m, m.VolumeMode);
    SeqVolumeDatToSeq(d, m);
    if (m.IicDat[model::map::VolumeTableMarker] == model::map::UsedMarker) SetVolumeIic(d, m, 1);
}

void SeqVolumeDatToSeq(VolumeDialog& d, model::ModelState& m) {
    platform::ScopedFlag showing(d.Showing);
    for (int level = FirstLevel; level <= LastLevel; ++level) {
        const std::uint8_t b = m.IicDat[levelAddr(level)];
        SetVolumeListIndex(d, m, level, modeIndex(d) == 1 ? b : model::GetVolumeSeq(m, b));
    }
}

void SetVolumeListIndex(VolumeDialog& d, model::ModelState& m, int level, int position) {
    if (moveTo(at(d.cboVolumeDat, level, FirstLevel), position)) cboVolumeDat_Click(d, m, level);
}

void SetVolumeIic(VolumeDialog& d, model::ModelState& m, int value) {
    if (d.chkVolumeIic.Value == value) return;
    d.chkVolumeIic.Value = value;
    chkVolumeIic_Click(d, m);
}

void SetVolMode(VolumeDialog& d, model::ModelState& m, int value) {
    if (d.chkVolMode.Value == value) return;
    d.chkVolMode.Value = value;
    chkVolMode_Click(d, m);
}

void cboVolumeDat_Click(VolumeDialog& d, model::ModelState& m, int level) {
    if (d.Showing == -1) return;
    const int p = at(d.cboVolumeDat, level, FirstLevel).ListIndex;
    if (p < 0) return;
    m.IicDat[levelAddr(level)] =
        modeIndex(d) == 1 ? static_cast<std::uint8_t>(p) : m.VolumeTbl[static_cast<std::size_t>(p)];
}

void chkVolumeIic_Click(VolumeDialog& d, model::ModelState& m) {
    m.IicDat[model::map::VolumeTableMarker] =
        d.chkVolumeIic.Value == 1 ? model::map::UsedMarker : model::map::Erased;
}

void chkVolMode_Click(VolumeDialog& d, model::ModelState& m) {
    m.VolumeMode = static_cast<std::int16_t>(modeIndex(d));
    app::ShellState& s = app::shell();
    shell::NoteAndTellSettingsWrite(s,
                                    app::WriteSetting(app::keys::VolumeMode, std::to_string(m.VolumeMode)));
    SeqVolumeDatToSeq(d, m);
}

void cmdDefault_Click(VolumeDialog& d, model::ModelState& m) {
    const auto& bytes = model::VolumeDefaultBytes[static_cast<std::size_t>(modeIndex(d))];
    for (int level = 0; level <= LastLevel; ++level)
        m.IicDat[levelAddr(level)] = bytes[static_cast<std::size_t>(level)];
    SeqVolumeDatToSeq(d, m);
    SetVolumeIic(d, m, 1);
    m.IicDat[model::map::VolumeTableMarker] = model::map::UsedMarker;
}

} // namespace channels

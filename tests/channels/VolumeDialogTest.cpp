// The volume dialog: the ten levels in either volume mode, the marker and
// the mode kept in the settings file.
#include "tests/channels/SettingsFixture.h"

#include "channels/VolumeDialog.h"

#include "app/Settings.h"

namespace settingstest {
namespace {

class VolumeTest : public SettingsTest {
  protected:
    VolumeTest() {
        m.IicDat.fill(0xFF);
        put(0xE730, {0x00, 69, 148, 120, 227, 79, 185, 156, 173, 175, 253});
    }
    std::string storedMode() { return app::ReadSetting(app::keys::VolumeMode); }
    channels::VolumeDialog d;
};

TEST_F(VolumeTest, AModeChangeShowsTheListsAgainAndStoresNothing) {
    channels::frmSetVolume_Load(d, m);
    EXPECT_EQ(d.cboVolumeDat[1].ListIndex, 63);
    EXPECT_EQ(d.cboVolumeDat[10].ListIndex, 252);
    const model::Image was = m.IicDat;

    channels::SetVolMode(d, m, 1);
    EXPECT_EQ(m.VolumeMode, 1);
    EXPECT_EQ(storedMode(), "1");
    EXPECT_EQ(m.IicDat, was);
    EXPECT_EQ(d.cboVolumeDat[1].ListIndex, 69);
    EXPECT_EQ(d.cboVolumeDat[10].ListIndex, 253);

    channels::SetVolumeListIndex(d, m, 1, 70);
    EXPECT_EQ(m.IicDat[0xE731], 70);
    channels::SetVolMode(d, m, 0);
    EXPECT_EQ(d.cboVolumeDat[1].ListIndex, model::GetVolumeSeq(m, 70));
    channels::SetVolumeListIndex(d, m, 2, 63);
    EXPECT_EQ(m.IicDat[0xE732], 0x45);
    EXPECT_EQ(storedMode(), "0");
}

TEST_F(VolumeTest, DefaultWritesTheLevelsOfTheModeAndTheMarker) {
    channels::frmSetVolume_Load(d, m);
    put(0xE730, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
    channels::cmdDefault_Click(d, m);
    EXPECT_EQ(bytes(0xE730, 12),
              (std::vector<std::uint8_t>{0, 69, 148, 120, 227, 79, 185, 156, 173, 175, 253, 0x5A}));
    const int steps[] = {63, 111, 143, 159, 175, 191, 207, 223, 239, 252};
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(d.cboVolumeDat[i].ListIndex, steps[i - 1]);
    EXPECT_EQ(d.chkVolumeIic.Value, 1);

    channels::SetVolMode(d, m, 1);
    channels::cmdDefault_Click(d, m);
    EXPECT_EQ(bytes(0xE730, 11), (std::vector<std::uint8_t>{108, 68, 60, 54, 48, 40, 32, 24, 16, 8, 0}));
    EXPECT_EQ(d.cboVolumeDat[1].ListIndex, 68);
}

TEST_F(VolumeTest, TheMarkerBoxShowsAndWritesTheMarker) {
    put(0xE73B, {0x00});
    channels::frmSetVolume_Load(d, m);
    EXPECT_EQ(d.chkVolumeIic.Value, 0);
    EXPECT_EQ(m.IicDat[0xE73B], 0x00);
    channels::SetVolumeIic(d, m, 1);
    EXPECT_EQ(m.IicDat[0xE73B], 0x5A);
    channels::SetVolumeIic(d, m, 0);
    EXPECT_EQ(m.IicDat[0xE73B], 0xFF);

    channels::VolumeDialog again;
    put(0xE73B, {0x5A});
    channels::frmSetVolume_Load(again, m);
    EXPECT_EQ(again.chkVolumeIic.Value, 1);
}

TEST_F(VolumeTest, AStoredModeOutsideZeroAndOneOpensInModeOneAndStaysInTheFile) {
    app::WriteSetting(app::keys::VolumeMode, "7");
    m.VolumeMode = 7;
    const model::Image was = m.IicDat;
    channels::frmSetVolume_Load(d, m);
    EXPECT_EQ(d.chkVolMode.Value, 0);
    EXPECT_EQ(m.VolumeMode, 0);
    EXPECT_EQ(storedMode(), "7");
    EXPECT_EQ(m.IicDat, was);

    m.VolumeMode = 1;
    channels::VolumeDialog two;
    channels::frmSetVolume_Load(two, m);
    EXPECT_EQ(two.chkVolMode.Value, 1);
    EXPECT_EQ(two.cboVolumeDat[1].ListIndex, 69);
    EXPECT_EQ(m.IicDat, was);
}

TEST_F(SettingsTest, VolumeDialogTexts) {
    const channels::VolumeTexts t = channels::VolumeDialogTexts();
    EXPECT_EQ(t.Caption, "Set Volume");
    EXPECT_EQ(t.lblVolumeLevel[1], "Volume  1 Level");
    EXPECT_EQ(t.lblVolumeLevel[10], "Volume 10 Level");
    EXPECT_EQ(t.chkVolMode, "Volume Mode 2");
    EXPECT_EQ(t.cmdOk, "OK");
}

} // namespace
} // namespace settingstest

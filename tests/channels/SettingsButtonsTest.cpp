// The page buttons, the VOX levels and the lock.
#include "tests/channels/SettingsFixture.h"

#include "app/DataFile.h"
#include "app/ImageViews.h"
#include "tests/support/ScriptedDialogs.h"
#include "tools/datagen/DefaultImage.h"

namespace settingstest {
namespace {

const std::vector<std::uint8_t> kVoxDefaults{0xAA, 0x9B, 0x8C, 0x7D, 0x6E, 0x5F, 0x50, 0x41, 0x32, 0x23};

class VoxTest : public SettingsTest {
  protected:
    // The default levels, level 3 moved to 99.
    void loadLevels(std::uint8_t level1 = 170) {
        m.IicDat.fill(0x00);
        for (int i = 0; i < 10; ++i) m.IicDat[0xE721 + i] = kVoxDefaults[static_cast<std::size_t>(i)];
        put(0xE721, {level1});
        put(0xE723, {99});
        channels::InitOpt(p, m);
        changes.clear();
    }
    void expectDefaults() {
        EXPECT_EQ(bytes(0xE721, 10), kVoxDefaults);
        for (int level = 1; level <= 10; ++level) {
            EXPECT_EQ(p.cboVoxCmpDat[level].ListIndex, kVoxDefaults[static_cast<std::size_t>(level - 1)]);
            EXPECT_EQ(p.cboVoxCmpDat[level].ToolTip,
                      channels::VoxTip(kVoxDefaults[static_cast<std::size_t>(level - 1)]));
        }
    }
};

TEST_F(VoxTest, LevelTenAtTheTopResetsAllTenOnce) {
    loadLevels();
    ASSERT_TRUE(channels::UserChooseVox(p, m, 10, 255));
    expectDefaults();
    // One showing per level, no nested resets.
    EXPECT_EQ(changes.size(), 10u);
    for (int level = 1; level <= 10; ++level) EXPECT_EQ(changesOf(Ctl::Vox, level), 1) << level;
}

TEST_F(VoxTest, TheDefaultButtonWritesTheTenDefaults) {
    loadLevels();
    ASSERT_TRUE(channels::UserPressPc(p, m, 2));
    expectDefaults();
    EXPECT_EQ(changes.size(), 10u);
}

TEST_F(VoxTest, AChoiceStoresItsLevelAndTip) {
    loadLevels();
    EXPECT_EQ(p.cboVoxCmpDat[1].ToolTip, "2200mv");
    channels::UserChooseVox(p, m, 2, 155);
    EXPECT_EQ(m.IicDat[0xE722], 155);
    EXPECT_EQ(p.cboVoxCmpDat[2].ToolTip, "2006mv");
    channels::UserChooseVox(p, m, 5, 0);
    EXPECT_EQ(m.IicDat[0xE725], 0);
    EXPECT_EQ(p.cboVoxCmpDat[5].ToolTip, "0mv");
    channels::UserChooseVox(p, m, 10, 254);
    EXPECT_EQ(m.IicDat[0xE72A], 254);
    EXPECT_EQ(m.IicDat[0xE723], 99);
}

TEST_F(VoxTest, LevelOneAtZeroIsLoadedAsItIsAndResetByTheNextOtherChoice) {
    loadLevels(0);
    EXPECT_EQ(m.IicDat[0xE721], 0);
    EXPECT_EQ(p.cboVoxCmpDat[1].ListIndex, 0);
    channels::UserChooseVox(p, m, 1, 5);
    EXPECT_EQ(m.IicDat[0xE721], 5);
    EXPECT_EQ(m.IicDat[0xE723], 99);

    loadLevels(0);
    channels::UserChooseVox(p, m, 4, 77);
    expectDefaults();
}

TEST_F(SettingsTest, TheVolumeButtonOpensTheVolumeDialog) {
    channels::UserPressPc(p, m, 3);
    channels::UserPressPc(p, m, 4); // the channel page's own button
    EXPECT_EQ(view.volumeDialogs, 1);
}

TEST_F(SettingsTest, WhileLockedNoPageStoresAnything) {
    load(0x00);
    lock();
    const model::Image was = m.IicDat;
    for (const auto& f : channels::ComboFields())
        EXPECT_FALSE(channels::UserChoosePc(p, m, f.index, 1)) << f.index;
    for (const auto& f : channels::CheckFields())
        EXPECT_FALSE(channels::UserTickPc(p, m, f.index, 1)) << f.index;
    for (const auto& f : channels::TextFields())
        EXPECT_FALSE(channels::UserTypePc(p, m, f.index, "12")) << f.index;
    for (int level = 1; level <= 10; ++level) EXPECT_FALSE(channels::UserChooseVox(p, m, level, 255));
    for (int j = 0; j < 16; ++j) EXPECT_FALSE(channels::UserTypeAutoMem(p, m, j, "12"));
    for (int key = 0; key < 5; ++key) EXPECT_FALSE(channels::UserChooseKey(p, m, key, 3));
    for (int b = 0; b < 5; ++b) EXPECT_FALSE(channels::UserPressPc(p, m, b));
    EXPECT_EQ(m.IicDat, was);
    EXPECT_EQ(view.volumeDialogs, 0);
    EXPECT_EQ(p.txtPc[4].Text, "");
    EXPECT_EQ(p.cboPc[4].ListIndex, 0);
}

// What the alignment display would show after a data-file read.
class AlignmentDisplay : public app::AlignmentDisplayHost {
  public:
    explicit AlignmentDisplay(const model::ModelState& m) : m_(m) {}
    void AdjParaShow() override { seen = {m_.IicDat[0xE800], m_.IicDat[0xF800], m_.IicDat[0xECA2]}; }
    std::vector<std::uint8_t> seen;

  private:
    const model::ModelState& m_;
    platform::Host<app::AlignmentDisplayHost>::Scoped registered_{*this};
};

class RestoreDefaultsTest : public SettingsTest {
  protected:
    RestoreDefaultsTest() {
        const model::Image d = datagen::BuildDefaultImage();
        std::copy(d.begin(), d.end(), defaults.begin());
        std::fill_n(defaults.begin() + 0xE800, 1024, 0x11);
        std::fill_n(defaults.begin() + 0xF800, 1024, 0x22);
        defaults[0xECA2] = 0xFF;
        defaults[0xEC0C] = 5;
        app::WriteDataFile(home.file("DefRadioSet.def"), defaults);

        m.IicDat = defaults;
        std::fill_n(m.IicDat.begin() + 0xE800, 1024, 0x77);
        std::fill_n(m.IicDat.begin() + 0xF800, 1024, 0x88);
        m.IicDat[0xECA2] = 0x42; // crystal bit 6 and the FM crystal bit 1
        m.IicDat[0xEC0C] = 9;
        channels::InitOpt(p, m);
    }

    model::Image defaults{};
    AlignmentDisplay display{m};
    testsupport::ScriptedDialogs dialogs;
};

TEST_F(RestoreDefaultsTest, KeepsTheAlignmentAreaBeforeAnythingShowsTheImage) {
    ASSERT_TRUE(channels::UserPressPc(p, m, 0));
    EXPECT_EQ(m.IicDat[0xEC0C], 5);
    EXPECT_EQ(p.cboPc[4].ListIndex, 5);
    EXPECT_EQ(bytes(0xE800, 1024), std::vector<std::uint8_t>(1024, 0x77));
    EXPECT_EQ(bytes(0xF800, 1024), std::vector<std::uint8_t>(1024, 0x88));
    EXPECT_EQ(m.IicDat[0xECA2], 0x7F); // the defaults' bits 5-2, 0 and 7; ours 7-6 and 1
    EXPECT_EQ(display.seen, (std::vector<std::uint8_t>{0x77, 0x88, 0x7F}));
    EXPECT_EQ(app::shell().CurFilePath, home.file("DefRadioSet.def"));
    EXPECT_EQ(window.initOpts, 1);
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(RestoreDefaultsTest, AMissingFileChangesNothing) {
    home.write("DefRadioSet.def", "short");
    const model::Image was = m.IicDat;
    channels::UserPressPc(p, m, 0);
    EXPECT_EQ(m.IicDat, was);
    EXPECT_EQ(window.initOpts, 0);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text.rfind("Wrong file type!", 0), 0u);
    EXPECT_EQ(dialogs.asked[0].icon, platform::Icon::Critical);
}

} // namespace
} // namespace settingstest

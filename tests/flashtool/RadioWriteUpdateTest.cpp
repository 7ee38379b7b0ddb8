// A radio write with automatic update, against the simulated radio, with the
// firmware window's logic and the built-in image: an older radio gets pages
// 7-49 of the image and keeps its own alignment pages; a radio that is up
// to date gets none.
#include "flashtool/FlashSoft.h"
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/IntelHex.h"
#include "link/RadioRoads.h"
#include "tests/link/TransferFixture.h"

#include <algorithm>

using namespace radiolink;
using linktest::Bytes;

namespace {

class RadioWriteUpdateTest : public linktest::TransferFixture {
  protected:
    RadioWriteUpdateTest() {
        s.FreMode = -1;
        s.AutoUpdate = -1;
        radio.setExtRam(0xF1, Bytes{0x00});
        InitFlashSoftModel(fw);
        window.Form_Load();
        for (std::size_t a = 0; a < image.size(); ++a) image[a] = static_cast<std::uint8_t>(a * 13 + 7);
    }

    Bytes imageRange(std::size_t first, std::size_t last) const {
        return Bytes(image.begin() + first, image.begin() + last + 1);
    }
    std::vector<int> programPagesWritten() const {
        std::vector<int> pages;
        for (int p : pagesOf(0x33))
            if (p >= 7 && p <= 49) pages.push_back(p);
        return pages;
    }

    FirmwareState fw;
    flashtool::ToolState tool{image, s};
    flashtool::FlashSoftWindow window{fw, tool};
    platform::Host<FirmwareWindow>::Scoped registered{window};
};

TEST_F(RadioWriteUpdateTest, AnOlderRadioGetsTheBuiltInProgramAndKeepsItsAlignment) {
    radio.setIdentity({0x09, 0x2C, 0x14, 0x68, 0x65}, 101);
    // Every write copies the band block into page 58 first.
    model::Image before = image;
    std::copy_n(image.begin() + 0xE700, 16, before.begin() + 0xE960);
    model::Image firmware{};
    flashtool::ApplyHexImage(flashtool::ParseHexLines(flashtool::GetFlashSoftHex(101, 10)), 0xC7FF, firmware);

    const WriteFirmware result = WriteRadio(s, fw, image);
    ASSERT_EQ(s.ComFail, 0);
    EXPECT_EQ(result.outcome, WriteFirmware::Updated);
    std::vector<int> expected;
    for (int p = 7; p <= 49; ++p) expected.push_back(p);
    EXPECT_EQ(programPagesWritten(), expected);
    EXPECT_EQ(radio.flash(0x1C00, 0xAC00), Bytes(firmware.begin() + 0x1C00, firmware.begin() + 0xC800));
    // The image's alignment pages and the user's data are as they were.
    EXPECT_EQ(imageRange(0xE800, 0xEBFF), Bytes(before.begin() + 0xE800, before.begin() + 0xEC00));
    EXPECT_EQ(imageRange(0xF800, 0xFBFF), Bytes(before.begin() + 0xF800, before.begin() + 0xFC00));
    EXPECT_EQ(imageRange(0xC800, 0xE6FF), Bytes(before.begin() + 0xC800, before.begin() + 0xE700));
    EXPECT_EQ(imageRange(0xEC00, 0xEFFF), Bytes(before.begin() + 0xEC00, before.begin() + 0xF000));
}

TEST_F(RadioWriteUpdateTest, ARadioUpToDateOrNewerGetsNoProgramPages) {
    for (std::uint8_t first : {std::uint8_t(0x10), std::uint8_t(0x11)}) {
        radio.setIdentity({first, 0x2C, 0x14, 0x68, 0x65}, 101);
        radio.clearLog();
        const Bytes program = radio.flash(0x1C00, 0xAC00);
        EXPECT_EQ(WriteRadio(s, fw, image).outcome, WriteFirmware::NotUpdated);
        EXPECT_EQ(s.ComFail, 0);
        EXPECT_TRUE(programPagesWritten().empty());
        EXPECT_EQ(radio.flash(0x1C00, 0xAC00), program);
    }
}

} // namespace

// The radio read and write against the simulated radio: page sets, the
// image after a failed read, the firmware decision and the pages it adds,
// and the read/write dialog's part of the write.
#include "link/RadioRoads.h"
#include "link/Commun.h"
#include "model/ImageMap.h"
#include "platform/Failure.h"
#include "tests/link/TransferFixture.h"

#include <algorithm>
#include <set>

using namespace radiolink;
using linktest::Bytes;
using radiosim::Fault;

namespace {

namespace map = model::map;

const std::vector<int> kFrequencySet{50, 51, 52, 53, 54, 55, 56, 57, 59};
const std::vector<int> kAlignmentSet{50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 62};
std::vector<int> programPages() {
    std::vector<int> pages;
    for (int p = 7; p <= 49; ++p) pages.push_back(p);
    return pages;
}

// The firmware window as the write drives it: a model with one version,
// whose load fills the program area and some data bytes, as a built-in
// image does.
class FakeFirmwareWindow : public FirmwareWindow {
  public:
    explicit FakeFirmwareWindow(model::Image& image) : image_(image) {}
    bool LoadNewestVersion(int model) override {
        loads.push_back(model);
        if (!hasImage) return false;
        std::fill(image_.begin(), image_.begin() + map::SoftLastAddr + 1, map::HexFillByte);
        for (map::Addr a = 0x1C00; a <= 0xC7FF; a += 7) image_[a] = static_cast<std::uint8_t>(a);
        std::fill(image_.begin() + 0xC800, image_.begin() + 0xE78E, 0x11); // channels and more
        std::fill(image_.begin() + 0xE800, image_.begin() + 0xE850, 0x22); // alignment values
        image_[map::BatteryPara] = batteryByte;
        std::fill(image_.begin() + 0xF000, image_.begin() + 0xF880, 0x33); // pages 60-62
        return true;
    }
    bool WriteSelectedVersion() override { return selectedBox; }

    std::vector<int> loads;
    bool hasImage = true;
    bool selectedBox = false;
    std::uint8_t batteryByte = 0x21;

  private:
    model::Image& image_;
};

class RadioRoadsTest : public linktest::TransferFixture {
  protected:
    RadioRoadsTest() {
        s.FreMode = -1;
        radio.setIdentity({0x10, 0x2C, 0x14, 0x68, 0x65}, 101);
        radio.setExtRam(0xF1, Bytes{0x00});
        InitFlashSoftModel(fw);
    }
    // Model 101 with one version of this identity.
    void listVersion(const std::string& identity) {
        fw.SoftModelTbl[101][2] = "10";
        fw.SoftSpecialTbl[101][2] = identity;
    }
    Bytes imageRange(map::Addr first, map::Addr last) const {
        return Bytes(image.begin() + first, image.begin() + last + 1);
    }
    Bytes radioPage(int p) const { return radio.flash(p * 1024, 1024); }
    Bytes imagePage(int p) const { return imageRange(p * 1024, p * 1024 + 1023); }
    std::vector<int> written() const {
        std::vector<int> pages = pagesOf(0x33);
        for (int p : pagesOf(0x39)) pages.push_back(p);
        return pages;
    }
    bool closingSent() const {
        for (const auto& c : radio.controls())
            if (c.selector == 0x22 && c.payload == std::array<std::uint8_t, 3>{0xA6, 0xA6, 0xA6}) return true;
        return false;
    }
    std::vector<int> ticked() const {
        std::vector<int> pages;
        for (int p = 0; p < 64; ++p)
            if (s.frmMain.chkFlashPage[p].Value == 1) pages.push_back(p);
        return pages;
    }

    FirmwareState fw;
    FakeFirmwareWindow window{image};
    platform::Host<FirmwareWindow>::Scoped registeredWindow{window};
};

TEST_F(RadioRoadsTest, ReadBringsThePageSetAndClosesTheSession) {
    for (Flag mode : {Flag(-1), Flag(0)}) {
        s.FreMode = mode;
        radio.setFlash(0, randomBytes(65536, 7 + mode));
        radio.clearLog();
        const model::Image before = image;
        ReadRadio(s, image);
        const std::vector<int>& set = mode == -1 ? kFrequencySet : kAlignmentSet;
        EXPECT_EQ(s.ComFail, 0);
        EXPECT_EQ(ticked(), set);
        EXPECT_EQ(pagesOf(0x3A), set);
        for (int p = 0; p < 64; ++p) {
            const bool inSet = std::find(set.begin(), set.end(), p) != set.end();
            EXPECT_EQ(imagePage(p), inSet
                                        ? radioPage(p)
                                        : Bytes(before.begin() + p * 1024, before.begin() + p * 1024 + 1024))
                << p;
        }
        EXPECT_TRUE(closingSent());
        EXPECT_EQ(statuses.back(), "Communication success");
    }
}

TEST_F(RadioRoadsTest, ReadThatFailsAtThirdPageLeavesTheImageAsItWas) {
    const model::Image before = image;
    std::vector<std::pair<int, int>> refreshed;
    hooks.refreshFlashRange = [&](int first, int last) { refreshed.emplace_back(first, last); };
    radio.injectFault(Fault::WrongSum, 0x3A, 0, -1, 52);
    ReadRadio(s, image);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(image, before);
    // The grid is shown the put-back pages last, so it shows no page that came in.
    ASSERT_GE(refreshed.size(), kFrequencySet.size());
    for (std::size_t i = 0; i < kFrequencySet.size(); ++i)
        EXPECT_EQ(refreshed[refreshed.size() - kFrequencySet.size() + i],
                  std::make_pair(kFrequencySet[i] * 1024, kFrequencySet[i] * 1024 + 1023));
    EXPECT_FALSE(closingSent());
    EXPECT_EQ(statuses.back(), "Read Failed");
    EXPECT_EQ(pagesOf(0x3A).front(), 50); // the first two pages did arrive
}

TEST_F(RadioRoadsTest, ReadWhoseClosingExchangeFailsLeavesTheImageAsItWas) {
    const model::Image before = image;
    radio.injectFault(Fault::Garbage, 0x38);
    ReadRadio(s, image);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_EQ(pagesOf(0x3A), kFrequencySet); // every page came
    EXPECT_EQ(image, before);
}

TEST_F(RadioRoadsTest, WriteWithoutUpdateSendsThePageSetAndCopiesTheBandBlock) {
    s.AutoUpdate = 0;
    const Bytes radioBefore = radio.flash(0, 65536);
    model::Image expected = image;
    std::copy_n(image.begin() + 0xE700, 16, expected.begin() + 0xE960);
    const WriteFirmware result = WriteRadio(s, fw, image);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(result.outcome, WriteFirmware::NotUpdated);
    EXPECT_EQ(image, expected);
    EXPECT_EQ(written(), kFrequencySet);
    EXPECT_EQ(ticked(), kFrequencySet);
    EXPECT_TRUE(window.loads.empty());
    EXPECT_EQ(radio.countOf(0x36), 2); // the identification only, no flag read
    for (int p = 0; p < 64; ++p) {
        const bool inSet = std::find(kFrequencySet.begin(), kFrequencySet.end(), p) != kFrequencySet.end();
        EXPECT_EQ(radioPage(p),
                  inSet ? imagePage(p)
                        : Bytes(radioBefore.begin() + p * 1024, radioBefore.begin() + p * 1024 + 1024))
            << p;
    }
    EXPECT_EQ(statuses.back(), "Write Successful");
}

TEST_F(RadioRoadsTest, ModelCodeOutsideTheTableStopsTheWriteBeforeAnyPage) {
    s.AutoUpdate = -1;
    for (std::uint8_t model : {std::uint8_t(99), std::uint8_t(126)}) {
        radio.setIdentity({0x10, 0x2C, 0x14, 0x68, 0x65}, model);
        radio.clearLog();
        EXPECT_THROW(WriteRadio(s, fw, image), platform::Failure);
        EXPECT_TRUE(written().empty());
        EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + 0xE960, image.begin() + 0xE970),
                  imageRange(0xE700, 0xE70F));
    }
}

TEST_F(RadioRoadsTest, OlderFirmwareGetsTheLoadedVersionWithTheDataPagesPutBack) {
    struct Case {
        std::uint8_t battery;
        bool alignmentBack;
    };
    for (Case c : {Case{0x21, true}, Case{0x20, false}}) {
        s.AutoUpdate = -1;
        listVersion("102C146865");
        radio.setIdentity({0x09, 0x2C, 0x14, 0x68, 0x65}, 101);
        radio.clearLog();
        window.batteryByte = c.battery;
        window.loads.clear();
        const model::Image before = image;
        const WriteFirmware result = WriteRadio(s, fw, image);
        EXPECT_EQ(s.ComFail, 0);
        EXPECT_EQ(result.outcome, WriteFirmware::Updated);
        EXPECT_EQ(window.loads, std::vector<int>{101});
        std::vector<int> expected = programPages();
        expected.insert(expected.end(), kFrequencySet.begin(), kFrequencySet.end());
        EXPECT_EQ(written(), expected);
        for (int p = 7; p <= 49; ++p) EXPECT_EQ(radioPage(p), imagePage(p)) << p;
        EXPECT_EQ(radioPage(7)[1], 0xA5);
        // The channels and settings are the user's, not the firmware's.
        EXPECT_EQ(imageRange(0xC800, 0xE6FF), Bytes(before.begin() + 0xC800, before.begin() + 0xE700));
        EXPECT_EQ(imageRange(0xEC00, 0xEFFF), Bytes(before.begin() + 0xEC00, before.begin() + 0xF000));
        EXPECT_EQ(image[0xE800] == before[0xE800], c.alignmentBack);
        EXPECT_EQ(image[0xF800] == before[0xF800], c.alignmentBack);
        EXPECT_EQ(radio.controls().back().selector, 0x00); // the final exchange after program pages
        image = before;
    }
}

TEST_F(RadioRoadsTest, RadiosThatAreNotOlderGetNoProgramPages) {
    s.AutoUpdate = -1;
    listVersion("102C146865");
    const std::array<std::uint8_t, 5> stamps[] = {
        {0x10, 0x2C, 0x14, 0x68, 0x65}, // the same version
        {0x11, 0x2C, 0x14, 0x68, 0x65}, // newer
    };
    for (const auto& stamp : stamps) {
        radio.setIdentity(stamp, 101);
        radio.clearLog();
        EXPECT_EQ(WriteRadio(s, fw, image).outcome, WriteFirmware::NotUpdated);
        EXPECT_EQ(written(), kFrequencySet);
        EXPECT_EQ(radio.countOf(0x36), 3); // identification and flag read
    }
    EXPECT_TRUE(window.loads.empty());
    // A model without versions: nothing is older than nothing.
    fw.SoftModelTbl[101][2].clear();
    radio.setIdentity({0x00, 0x00, 0x00, 0x00, 0x00}, 101);
    EXPECT_EQ(WriteRadio(s, fw, image).outcome, WriteFirmware::NotUpdated);
    EXPECT_TRUE(window.loads.empty());
}

TEST_F(RadioRoadsTest, ExternalRamFlagCountsAsOldest) {
    s.AutoUpdate = -1;
    listVersion("102C146865");
    radio.setExtRam(0xF1, Bytes{0xFF});
    EXPECT_EQ(WriteRadio(s, fw, image).outcome, WriteFirmware::Updated);
    EXPECT_EQ(s.ExtRamFlag, -1);
    EXPECT_EQ(written().size(), 43u + 9u);
}

TEST_F(RadioRoadsTest, FirmwareThatCannotLoadSendsNoProgramPages) {
    s.AutoUpdate = -1;
    // The write-selected-version box asks for an update of a model without
    // a version, or the version's image is missing.
    window.selectedBox = true;
    window.hasImage = false;
    const model::Image before = image;
    const WriteFirmware result = WriteRadio(s, fw, image);
    EXPECT_EQ(s.ComFail, 0);
    EXPECT_EQ(result.outcome, WriteFirmware::NoBuiltInVersion);
    EXPECT_EQ(result.model, 101);
    EXPECT_EQ(written(), kFrequencySet);
    EXPECT_EQ(imageRange(0, 0xC7FF), Bytes(before.begin(), before.begin() + 0xC800));
    // A listed version but no firmware window to load it: the same.
    listVersion("102C146865");
    radio.setIdentity({0x09, 0x2C, 0x14, 0x68, 0x65}, 101);
    FirmwareWindow none;
    platform::Host<FirmwareWindow>::Scoped noWindow(none);
    EXPECT_EQ(WriteRadio(s, fw, image).outcome, WriteFirmware::NoBuiltInVersion);
}

TEST_F(RadioRoadsTest, FirmwareLoadThatBreaksOffLeavesTheDataAsItWas) {
    struct Breaking : FirmwareWindow {
        explicit Breaking(model::Image& image) : image(image) {}
        bool LoadNewestVersion(int) override {
            std::fill(image.begin() + 0xC800, image.begin() + 0xFC00, 0x00);
            throw platform::Failure("no memory for the image");
        }
        bool WriteSelectedVersion() override { return true; }
        model::Image& image;
    } breaking{image};
    platform::Host<FirmwareWindow>::Scoped breakingWindow(breaking);
    s.AutoUpdate = -1;
    model::Image expected = image;
    std::copy_n(image.begin() + 0xE700, 16, expected.begin() + 0xE960);
    EXPECT_THROW(WriteRadio(s, fw, image), platform::Failure);
    EXPECT_TRUE(written().empty());
    for (auto [first, last] : {std::pair{0xC800, 0xEFFF}, std::pair{0xF800, 0xFBFF}})
        EXPECT_EQ(imageRange(first, last), Bytes(expected.begin() + first, expected.begin() + last + 1));
}

TEST_F(RadioRoadsTest, FailedFlagReadWritesNothing) {
    s.AutoUpdate = -1;
    listVersion("102C146865");
    radio.injectFault(Fault::Garbage, 0x36, 1); // the identification passes, the flag read not
    WriteRadio(s, fw, image);
    EXPECT_EQ(s.ComFail, -1);
    EXPECT_TRUE(written().empty());
    EXPECT_TRUE(window.loads.empty());
}

// The dialog's part: the channels encoded, the fixed bytes, the serial number.
class CommunWriteTest : public RadioRoadsTest, public SerialNumberList {
  protected:
    CommunWriteTest() { m->IicDat = image; }
    bool ListVisible() override { return visible; }
    int ListCount() override { return count; }
    int AutoNextValue() override { return autoNext; }
    radiolink::SerialStep StepAfterWrite() override {
        ++steps;
        return radiolink::SerialStep::Next;
    }

    std::unique_ptr<model::ModelState> m = std::make_unique<model::ModelState>();
    bool visible = true;
    int count = 3;
    int autoNext = 1;
    int steps = 0;
    platform::Host<SerialNumberList>::Scoped registeredList{*this};
};

TEST_F(CommunWriteTest, FixedBytesGoIntoTheImageAndThePagesThatCarryThem) {
    m->IicDat[0xECA0] = 0xFF;
    m->IicDat[0xE955] = 0x00;
    const model::Image before = m->IicDat;
    CommunWrite(s, fw, *m);
    EXPECT_EQ(s.ComFail, 0);
    const model::Image& im = m->IicDat;
    // Of the settings page, the fixed bytes alone change.
    const std::set<map::Addr> fixed = {0xEC08, 0xEC09, 0xEC0A, 0xEC58, 0xEC99, 0xECA0};
    for (map::Addr a = 0xEC00; a < 0xF000; ++a) {
        if (!fixed.count(a)) {
            EXPECT_EQ(im[a], before[a]) << std::hex << a;
        }
    }
    EXPECT_EQ(im[0xEC58], 0x0A);
    EXPECT_EQ(im[0xEC99], 0xFF);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(im[0xE951 + k], 0x8F + k);
    EXPECT_EQ(im[0xEC08], 0x01);
    EXPECT_EQ(im[0xEC09], 0x00);
    EXPECT_EQ(im[0xEC0A], 0x00);
    EXPECT_EQ(im[0xECA0], 0xFD);
    EXPECT_EQ(radio.flash(0xEC00, 1024), Bytes(im.begin() + 0xEC00, im.begin() + 0xF000));
    EXPECT_EQ(steps, 1);
}

TEST_F(CommunWriteTest, SerialNumberMovesOnOnlyAfterAGoodWriteWithTheListReady) {
    struct Case {
        bool visible;
        int count, autoNext;
        bool fails;
        bool moves;
    };
    const Case cases[] = {{true, 3, 1, false, true},
                          {false, 3, 1, false, false},
                          {true, 0, 1, false, false},
                          {true, 3, 0, false, false},
                          {true, 3, 1, true, false}};
    for (const Case& c : cases) {
        visible = c.visible;
        count = c.count;
        autoNext = c.autoNext;
        steps = 0;
        radio.clearFaults();
        if (c.fails) radio.injectFault(Fault::Garbage, 0x39);
        const radiolink::SerialStep step = CommunWrite(s, fw, *m).serial;
        EXPECT_EQ(s.ComFail, c.fails ? -1 : 0);
        EXPECT_EQ(step, c.moves ? radiolink::SerialStep::Next : radiolink::SerialStep::None);
        EXPECT_EQ(steps == 1, c.moves) << c.visible << c.count << c.autoNext << c.fails;
    }
}

} // namespace

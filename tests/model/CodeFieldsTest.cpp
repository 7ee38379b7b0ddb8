#include "tests/model/ModelFixture.h"

#include "model/CodeFields.h"

#include "charcode/HanZi.h"
#include "platform/Failure.h"

using namespace model;
using modeltest::ModelTest;
using Bytes = std::vector<std::uint8_t>;

namespace {

class CodeFieldsTest : public ModelTest {
  protected:
    CodeFieldsTest() { charcode::InitHanZiTbl(charcode::HanZiTbl()); }
    Bytes ascii(const std::string& text) {
        TextToAscii(m, text);
        return Bytes(m.AsciiDat.begin(), m.AsciiDat.end());
    }
    std::string asciiText(const Bytes& b) {
        m.AsciiDat.fill(0xFF);
        std::copy(b.begin(), b.end(), m.AsciiDat.begin());
        AsciiToTxt(m);
        return m.AsciiTxt;
    }
    static Bytes padded(Bytes b) {
        b.resize(16, 0xFF);
        return b;
    }
};

TEST_F(CodeFieldsTest, DtmfCharacters) {
    struct Case {
        const char* typed;
        std::uint8_t stored;
        const char* shown;
    } cases[] = {{"0", 0x30, "0"}, {"9", 0x39, "9"}, {"A", 0x41, "A"}, {"a", 0x41, "A"},
                 {"D", 0x44, "D"}, {"d", 0x44, "D"}, {"*", 0x2A, "E"}, {"E", 0x2A, "E"},
                 {"e", 0x2A, "E"}, {"#", 0x23, "F"}, {"F", 0x23, "F"}, {"f", 0x23, "F"},
                 {" ", 0x20, " "}, {"G", 0xFF, ""},  {"x", 0xFF, ""},  {"一", 0xFF, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(ascii(c.typed), padded({c.stored})) << c.typed;
        EXPECT_EQ(asciiText({c.stored}), c.shown) << c.typed;
    }
    EXPECT_EQ(asciiText({0x45, 0x46, 0x00, 0x31}), "EF1");
    EXPECT_EQ(ascii("12*#"), padded({0x31, 0x32, 0x2A, 0x23}));
    EXPECT_EQ(asciiText(ascii("12*#")), "12EF");
    EXPECT_EQ(ascii(""), Bytes(16, 0xFF));
    // Every byte a store can produce comes back through text.
    const Bytes kept = {0x30, 0x35, 0x39, 0x41, 0x42, 0x43, 0x44, 0x2A, 0x23, 0x20, 0x31};
    EXPECT_EQ(ascii(asciiText(kept)), padded(kept));
    EXPECT_TRUE(reported.empty());
}

TEST_F(CodeFieldsTest, ALongDtmfTextKeepsSixteenCharacters) {
    EXPECT_EQ(ascii("12345678901234567890"), ascii("1234567890123456"));
    EXPECT_TRUE(wasReported("modChMem->TextToAscii"));
}

// A ten-byte field followed by another: reads and stores stop at its end.
TEST_F(CodeFieldsTest, ADtmfFieldReadsAndStoresItsOwnBytesOnly) {
    const map::Addr at = 0xE120;
    std::fill_n(m.IicDat.begin() + static_cast<std::ptrdiff_t>(at), 10, 0x31);
    m.IicDat[at + 10] = 0x32;
    EXPECT_EQ(DtmfFieldText(m, at, 10), "1111111111");
    StoreDtmfField(m, at, 10, "*9");
    EXPECT_EQ(Bytes(m.IicDat.begin() + static_cast<std::ptrdiff_t>(at),
                    m.IicDat.begin() + static_cast<std::ptrdiff_t>(at + 11)),
              (Bytes{0x2A, 0x39, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x32}));
    EXPECT_EQ(DtmfFieldText(m, at, 10), "E9");
    EXPECT_THROW(DtmfFieldText(m, at, 17), platform::Failure);
    EXPECT_TRUE(reported.empty());
}

TEST_F(CodeFieldsTest, DelInvalidCharByKind) {
    const std::string typed = "1a*#x ";
    EXPECT_EQ(DelInvalidChar(typed, 0), "1AEF ");
    EXPECT_EQ(DelInvalidChar(typed, 1), "1A");
    EXPECT_EQ(DelInvalidChar(typed, 2), "1");
    EXPECT_EQ(DelInvalidChar(typed, 3), "");
    EXPECT_EQ(DelInvalidChar("bcdefgBCDEFG", 0), "BCDEFBCDEF");
    EXPECT_EQ(DelInvalidChar("bcdBCD", 1), "BCBC");
}

TEST_F(CodeFieldsTest, PowerOnAndFullResetCodes) {
    struct Case {
        const char* typed;
        Bytes stored;
        const char* shown;
    } cases[] = {{"0123456789", {0, 1, 2, 3, 4, 5}, "012345"},
                 {"6789", {255, 255, 255, 255, 255, 255}, ""},
                 {"1x2", {1, 2, 255, 255, 255, 255}, "12"},
                 {"", {255, 255, 255, 255, 255, 255}, ""},
                 {"5 5", {5, 5, 255, 255, 255, 255}, "55"}};
    for (const auto& c : cases) {
        window.pc[10] = c.typed;
        PowerOnCodeToSave(m);
        EXPECT_EQ(bytes(map::PowerOnCode, 6), c.stored) << c.typed;
        ShowPowerOnCode(m);
        EXPECT_EQ(window.pc[10], c.shown);
        window.pc[11] = c.typed;
        FullResetCodeToSave(m);
        EXPECT_EQ(bytes(map::FullResetCode, 6), c.stored) << c.typed;
        ShowFullResetCode(m);
        EXPECT_EQ(window.pc[11], c.shown);
    }
    // A byte above 5 is skipped in the power-on code but ends the full-reset code.
    put(map::PowerOnCode, {1, 0xFF, 2, 0xFF, 0xFF, 0xFF});
    put(map::FullResetCode, {1, 0xFF, 2, 0xFF, 0xFF, 0xFF});
    ShowPowerOnCode(m);
    ShowFullResetCode(m);
    EXPECT_EQ(window.pc[10], "12");
    EXPECT_EQ(window.pc[11], "1");
}

TEST_F(CodeFieldsTest, PhoneBookCallIds) {
    put(map::PhoneBookCallIdAddr(1), {0x31, 0x20, 0x2A, 0x23, 0x41, 0xFF, 0x39});
    for (int j = 7; j < 16; ++j) m.IicDat[map::PhoneBookCallIdAddr(1) + j] = 0xFF;
    PhoneBookCallIdShow(m, 1);
    EXPECT_EQ(window.phoneBook[std::make_pair(1, 1)], "1 EFA9");
    std::fill_n(m.IicDat.begin() + static_cast<std::ptrdiff_t>(map::PhoneBookCallIdAddr(25)), 16, 0xFF);
    PhoneBookCallIdShow(m, 25);
    EXPECT_EQ(window.phoneBook[std::make_pair(25, 1)], "");
}

TEST_F(CodeFieldsTest, MessageLinesShowFromRadioCharacterCodes) {
    const Bytes line1 = charcode::TextToHanZi(charcode::HanZiTbl(), "欢迎 Welcome", 16);
    std::copy(line1.begin(), line1.end(), m.IicDat.begin() + map::MessageLine1);
    Bytes line2(32, 0xFF);
    line2[0] = 0x41, line2[1] = 0x00, line2[4] = 0x42, line2[5] = 0x00;
    std::copy(line2.begin(), line2.end(), m.IicDat.begin() + map::MessageLine2);
    ShowTextLines(m);
    EXPECT_EQ(window.pc[2], "欢迎 Welcome");
    EXPECT_EQ(window.pc[3], "AB");
}

TEST_F(CodeFieldsTest, ReadWriteCodes) {
    std::fill_n(m.IicDat.begin() + map::RdWrCode, 12, 0xFF);
    window.rdWrCode = "old";
    ShowRdWrCode(m);
    EXPECT_EQ(window.rdWrCode, "");
    put(map::RdWrCode, {0x31, 0, 0x32, 0, 0xE8, 0x03, 0, 0, 0, 0, 0, 0});
    ShowRdWrCode(m);
    EXPECT_EQ(window.rdWrCode, "12一");

    m.NewRdWrCode.fill(0xFF);
    ShowNewRdWrCode(m);
    EXPECT_EQ(window.newRdWrCode, "");
    const Bytes code = charcode::TextToHanZi(charcode::HanZiTbl(), "AB", 6);
    std::copy(code.begin(), code.end(), m.NewRdWrCode.begin());
    ShowNewRdWrCode(m);
    EXPECT_EQ(window.newRdWrCode, "AB");
    EXPECT_TRUE(reported.empty());
}

TEST_F(CodeFieldsTest, ShowingWithoutAWindowShowsNothingAndFailsNothing) {
    model::ChannelWindow none; // what the model reaches before the channel window exists
    platform::Host<model::ChannelWindow>::Scoped noWindow(none);
    m.NewRdWrCode.fill(0xFF);
    ShowRdWrCode(m);
    ShowNewRdWrCode(m);
    EXPECT_NO_THROW(ShowTextLines(m));
    EXPECT_TRUE(reported.empty());
    EXPECT_TRUE(window.pc.empty());
    EXPECT_EQ(window.rdWrCode, "");
}

} // namespace

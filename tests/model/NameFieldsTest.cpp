#include "tests/model/ModelFixture.h"

#include "model/NameFields.h"

using namespace model;
using modeltest::ModelTest;
using Codes = std::vector<int>;

namespace {

class NameFieldsTest : public ModelTest {
  protected:
    NameFieldsTest() { GetValidCharTbl(m); }
    Codes chName(const std::string& text, int n = 6) {
        ChNameCharSol(m, text, n);
        return Codes(m.ChNameCode.begin(), m.ChNameCode.begin() + n);
    }
    Codes phoneName(const std::string& text) {
        PhoneBookCharToSave(m, text, 6);
        return Codes(m.PhoneBookNameCode.begin(), m.PhoneBookNameCode.begin() + 6);
    }
    std::string shown(std::initializer_list<std::uint8_t> codes) {
        std::array<std::uint8_t, 6> a{};
        std::copy(codes.begin(), codes.end(), a.begin());
        return NameCodesToText(m, a);
    }
};

TEST_F(NameFieldsTest, EveryAlphabetCharacterHasItsCode) {
    const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ +=%/[]-_";
    ASSERT_EQ(m.ValidCharTbl.size(), alphabet.size());
    for (int code = 0; code < 45; ++code) {
        std::string c(1, alphabet[code]);
        EXPECT_EQ(m.ValidCharTbl[code], c);
        EXPECT_EQ(chName(c)[0], code) << c;
        EXPECT_EQ(shown({std::uint8_t(code), 255, 255, 255, 255, 255}), c + "     ");
    }
    // Not in the alphabet: dropped, one blank more at the end.
    for (const char* c : {"a", "?", "*", "#", ".", "一", "Ａ", "\t"})
        EXPECT_EQ(chName(std::string("A") + c + "B"), (Codes{10, 11, 36, 36, 36, 255})) << c;
}

TEST_F(NameFieldsTest, ShortFullAndOverlongNames) {
    struct Case {
        const char* text;
        Codes codes;
    } cases[] = {
        {"", {255, 255, 255, 255, 255, 255}}, {"AB", {10, 11, 36, 36, 36, 36}},
        {"CH-001", {12, 17, 43, 0, 0, 1}},    {"ABCDEFGH", {10, 11, 12, 13, 14, 15}},
        {"ab", {36, 36, 36, 36, 255, 255}},   {" A", {36, 10, 36, 36, 36, 36}},
    };
    for (const auto& c : cases) EXPECT_EQ(chName(c.text), c.codes) << c.text;
    // Past the 13 spaces a short text is completed with, positions stay blank.
    EXPECT_EQ(chName("A", 20),
              (Codes{10, 36, 36, 36, 36, 36, 36, 36, 36, 36, 36, 36, 36, 36, 255, 255, 255, 255, 255, 255}));
    m.ChNameCode.fill(7);
    chName("AB", 3);
    EXPECT_EQ(m.ChNameCode[3], 7); // entries from n on are untouched
}

TEST_F(NameFieldsTest, AConversionStopsAtTheEndOfItsBuffer) {
    m.ChNameCode.fill(7);
    ChNameCharSol(m, "ABC", 40);
    EXPECT_EQ(m.ChNameCode[2], 12);
    EXPECT_EQ(m.ChNameCode[15], 36);
    EXPECT_EQ(m.ChNameCode[30], 255); // entries 0-30 written
    EXPECT_TRUE(wasReported("modChMem->ChNameCharSol"));
}

TEST_F(NameFieldsTest, PhoneBookNamesAreUpperCased) {
    EXPECT_EQ(phoneName("ab"), (Codes{10, 11, 36, 36, 36, 36}));
    EXPECT_EQ(phoneName(std::string(17, ' ')), (Codes{36, 36, 36, 36, 36, 36}));
    EXPECT_EQ(phoneName(""), (Codes{255, 255, 255, 255, 255, 255}));
}

TEST_F(NameFieldsTest, CodesToText) {
    EXPECT_EQ(shown({255, 10, 255, 255, 255, 255}), " A    ");
    EXPECT_EQ(shown({45, 46, 100, 200, 254, 255}), "");
    EXPECT_EQ(shown({10, 11, 36, 36, 36, 255}), "AB    ");
    EXPECT_EQ(shown({36, 36, 36, 36, 36, 36}), "      ");
}

TEST_F(NameFieldsTest, ShowsNamesInTheGrids) {
    m.ChNameDat[7] = {12, 17, 43, 0, 0, 7, 0, 0, 0};
    ChNameCharShow(m, 7);
    EXPECT_EQ(window.grid[std::make_pair(7, 11)].text, "CH-007");
    ChNameCharShow(m, 99); // a row the grid does not have
    EXPECT_TRUE(wasReported("modChMem->ChNameCharShow"));

    put(map::PhoneBookNameAddr(25), {10, 11, 255, 255, 255, 255});
    PhoneBookNameShow(m, 25);
    EXPECT_EQ(window.phoneBook[std::make_pair(25, 2)], "AB    ");
    EXPECT_THROW(PhoneBookNameShow(m, 26), platform::Failure);
}

TEST_F(NameFieldsTest, PowerOnMessageStoresAndShowsUntilTheTextSettles) {
    // The channel editor's box handler: store both lines, show them again.
    int stores = 0;
    window.onPcChange = [&](int box) {
        if (box != 8 && box != 9) return;
        ++stores;
        PowerOnMsgToSave(m);
        ShowPowerOnMsg(m);
    };
    put(0xE6D6, {0x77});
    put(0xE6DD, {0x88});
    window.SetPcText(8, "hello");
    EXPECT_EQ(bytes(map::PowerOnMsgLine1, 6), (std::vector<std::uint8_t>{17, 14, 21, 21, 24, 36}));
    EXPECT_EQ(window.pc[8], "HELLO");
    EXPECT_EQ(stores, 2); // the shown text is stored once more, then nothing changes
    window.SetPcText(9, "A B");
    EXPECT_EQ(bytes(map::PowerOnMsgLine2, 6), (std::vector<std::uint8_t>{10, 36, 11, 36, 36, 36}));
    EXPECT_EQ(window.pc[9], "A B");
    window.SetPcText(9, "");
    EXPECT_EQ(bytes(map::PowerOnMsgLine2, 6), std::vector<std::uint8_t>(6, 255));
    EXPECT_EQ(bytes(map::PowerOnMsgLine1, 6), (std::vector<std::uint8_t>{17, 14, 21, 21, 24, 36}));
    EXPECT_EQ(m.IicDat[0xE6D6], 0x77);
    EXPECT_EQ(m.IicDat[0xE6DD], 0x88);
}

TEST_F(NameFieldsTest, ImageToTextToImageKeepsTheCodes) {
    // Six characters, or codes that show as themselves, come back byte for byte.
    for (auto codes : {std::vector<std::uint8_t>{0, 9, 10, 35, 36, 44}, {12, 17, 43, 0, 0, 1}}) {
        std::array<std::uint8_t, 6> a{};
        std::copy(codes.begin(), codes.end(), a.begin());
        EXPECT_EQ(chName(NameCodesToText(m, a)), Codes(codes.begin(), codes.end()));
    }
}

} // namespace

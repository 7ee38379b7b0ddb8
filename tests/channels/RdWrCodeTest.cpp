// The read/write code boxes: a load shows the code and stores nothing; a
// change of the box stores the code and shows what was kept.
#include "tests/channels/SideFixture.h"

#include "channels/RdWrCode.h"
#include "model/CodeFields.h"

namespace sidetest {
namespace {

using namespace channels;
namespace map = model::map;

Bytes codes(const std::string& text) {
    return charcode::TextToHanZi(charcode::HanZiTbl(), text, 6);
}

class RdWrCodeTest : public SideTest {
  protected:
    Bytes field() const { return bytes(map::RdWrCode, 14); }
    RdWrCodeState& code = p.rdWr;
};

TEST_F(RdWrCodeTest, ALoadShowsTheCodeAndStoresNothing) {
    const StoredShown cases[] = {
        {"two characters",
         {0x41, 0x00, 0x42, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         "AB"},
        {"a code that shows nothing between",
         {0x41, 0x00, 0xC8, 0x00, 0x42, 0x00, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF},
         "AB"},
        {"a leading space", {0x00, 0x00, 0x41, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}, " A"},
        {"no code", Bytes(14, 0xFF), ""},
    };
    for (const StoredShown& c : cases) {
        SCOPED_TRACE(c.what);
        put(map::RdWrCode, c.stored);
        code.RdWrCodeText = "XY"; // what the box held before
        model::ShowRdWrCode(m);
        EXPECT_EQ(code.RdWrCodeText, c.shown);
        EXPECT_EQ(field(), c.stored);
    }
    // The spaces the user typed at the end go when the code is shown again.
    RdWrCodeChange(m, code, "AB ");
    const Bytes typed = field();
    model::ShowRdWrCode(m);
    EXPECT_EQ(code.RdWrCodeText, "AB");
    EXPECT_EQ(field(), typed);
}

TEST_F(RdWrCodeTest, AChangeStoresTheCodeAndShowsWhatWasKept) {
    struct Case {
        const char* typed;
        Bytes stored;
        const char* shown;
    } cases[] = {
        {"AB", {0x41, 0x00, 0x42, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0x12, 0x34}, "AB"},
        {"ab12中文",
         [] {
             Bytes b = codes("ab12中文");
             b.insert(b.end(), {0x12, 0x34});
             return b;
         }(),
         "ab12中文"},
        {"1234567",
         [] {
             Bytes b = codes("123456");
             b.insert(b.end(), {0x12, 0x34});
             return b;
         }(),
         "123456"},
        // Spaces typed at the end store as none: the box keeps them.
        {"A ", {0x41, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x12, 0x34}, "A "},
        {"   ", Bytes(14, 0xFF), "   "},
        // A character without a code is shown away, the spaces with it, and
        // the code is stored as shown: no code stays that the box hides.
        {"A\xF0\x9F\x98\x80 ", {0x41, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x12, 0x34}, "A"},
        {"\"AB", {0x41, 0x00, 0x42, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0x12, 0x34}, "AB"},
        {"", Bytes(14, 0xFF), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        put(map::RdWrCode,
            {0x43, 0x00, 0x44, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x34});
        model::ShowRdWrCode(m);
        const model::Image before = m.IicDat;
        RdWrCodeChange(m, code, c.typed);
        EXPECT_EQ(field(), c.stored);
        EXPECT_EQ(code.RdWrCodeText, c.shown);
        EXPECT_TRUE(m.IicDat == withArea(before, m.IicDat, map::RdWrCode, 14));
    }
    EXPECT_TRUE(reported.tags.empty());
}

TEST_F(RdWrCodeTest, TheShownTextComingBackFromTheBoxStoresNothing) {
    // A code that a store would rewrite: the window mirroring the loaded
    // text into its box must leave it as it is.
    const Bytes stored{0x41, 0x00, 0xC8, 0x00, 0x42, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    put(map::RdWrCode, stored);
    model::ShowRdWrCode(m);
    RdWrCodeChange(m, code, code.RdWrCodeText);
    EXPECT_EQ(field(), stored);
}

TEST_F(RdWrCodeTest, NewCodeLivesInItsBufferOnly) {
    const model::Image image = m.IicDat;
    NewRdWrCodeChange(m, code, "12");
    Bytes expected{0x31, 0x00, 0x32, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(Bytes(m.NewRdWrCode.begin(), m.NewRdWrCode.end()), expected);
    EXPECT_EQ(code.NewRdWrCodeText, "12");
    NewRdWrCodeChange(m, code, "12 ");
    EXPECT_EQ(Bytes(m.NewRdWrCode.begin(), m.NewRdWrCode.end()), expected);
    EXPECT_EQ(code.NewRdWrCodeText, "12 ");
    m.NewRdWrCode[12] = 0x00;
    NewRdWrCodeChange(m, code, " ");
    EXPECT_EQ(Bytes(m.NewRdWrCode.begin(), m.NewRdWrCode.end()), Bytes(16, 0xFF));
    EXPECT_EQ(code.NewRdWrCodeText, " ");
    NewRdWrCodeChange(m, code, "");
    EXPECT_EQ(code.NewRdWrCodeText, "");
    EXPECT_TRUE(m.IicDat == image);

    NewRdWrCodeClick(code, 1);
    EXPECT_TRUE(code.NewRdWrCodeShown);
    NewRdWrCodeClick(code, 0);
    EXPECT_FALSE(code.NewRdWrCodeShown);
}

} // namespace
} // namespace sidetest

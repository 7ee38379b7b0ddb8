// Every stored control of the settings pages: the value chosen, the exact
// byte and bits written, every other byte of the image kept. The cases run
// after loading an erased image and an image of zeros, so they also show
// that every control stores after such a load.
#include "tests/channels/SettingsFixture.h"

#include "charcode/Utf16.h"

#include <initializer_list>
#include <set>

namespace settingstest {
namespace {

struct ComboCase {
    int index;
    Addr addr;
    int position;
    std::uint8_t before, after;
};

// clang-format off
const ComboCase kComboCases[] = {
    {4,  0xEC0C, 20,  0xA5, 20},   {5,  0xEC43, 10,  0xA5, 10},   {6,  0xEC16, 2,   0xA5, 2},
    {7,  0xEC42, 5,   0xA5, 5},    {8,  0xEC05, 9,   0xA5, 9},    {9,  0xEC15, 8,   0xA5, 8},
    {10, 0xEC58, 30,  0xA5, 30},   {13, 0xEC41, 7,   0xA5, 7},    {14, 0xEC23, 24,  0xA5, 24},
    {15, 0xEC03, 9,   0xA5, 9},    {16, 0xEC46, 5,   0xA5, 5},    {20, 0xEC14, 2,   0xA5, 2},
    {21, 0xEC4E, 25,  0xA5, 25},   {22, 0xEC1D, 25,  0xA5, 25},   {59, 0xEC9F, 10,  0xA5, 10},
    {61, 0xEC4C, 128, 0xA5, 128},  {62, 0xEC4D, 128, 0xA5, 128},  {23, 0xEC13, 10,  0xA5, 10},
    {24, 0xEC48, 2,   0xA5, 2},    {25, 0xEC49, 250, 0xA5, 250},  {26, 0xEC9B, 150, 0xA5, 150},
    {27, 0xEC9C, 150, 0xA5, 150},  {29, 0xEC44, 31,  0xA5, 31},   {30, 0xEC45, 15,  0xA5, 15},
    {31, 0xEC93, 24,  0xA5, 24},   {32, 0xEC17, 2,   0xA5, 2},    {33, 0xEC5D, 1,   0xA5, 1},
    {33, 0xEC5D, 0,   0xA5, 0},    {34, 0xE712, 255, 0xA5, 255},  {35, 0xE713, 200, 0xA5, 200},
    {36, 0xE714, 1,   0xA5, 1},    {37, 0xE715, 77,  0xA5, 77},   {39, 0xEC5E, 1,   0xA5, 1},
    {40, 0xEC5C, 128, 0xA5, 128},  {56, 0xEC5A, 199, 0xA5, 199},  {70, 0xEC32, 128, 0xA5, 128},
    {69, 0xEC33, 199, 0xA5, 199},  {68, 0xEC31, 250, 0xA5, 250},  {66, 0xEC34, 128, 0xA5, 128},
    {65, 0xEC35, 199, 0xA5, 199},  {71, 0xEC01, 4,   0xA5, 4},    {72, 0xEC21, 10,  0xA5, 10},
    {41, 0xEC07, 7,   0xA5, 7},    {42, 0xEC08, 3,   0xA5, 3},    {43, 0xEC09, 3,   0xA5, 3},
    {44, 0xEC0A, 3,   0xA5, 3},    {45, 0xEC2D, 250, 0xA5, 250},  {47, 0xEC2F, 242, 0xA5, 242},
    {49, 0xEC37, 250, 0xA5, 250},  {50, 0xEC38, 6,   0xA5, 6},    {51, 0xEC39, 250, 0xA5, 250},
    {53, 0xE149, 1,   0xA5, 1},    {53, 0xE149, 0,   0xA5, 0},    {54, 0xEC3E, 250, 0xA5, 250},
    {55, 0xEC5F, 250, 0xA5, 250},
    // two-bit mode fields of 0xEC92: "CH" 2, "Frequency" 1, "CH+Frequency" 0
    {11, 0xEC92, 0, 0xF3, 0xF2},   {11, 0xEC92, 1, 0x00, 0x01},   {11, 0xEC92, 2, 0xFF, 0xFC},
    {12, 0xEC92, 0, 0xF3, 0xFB},   {12, 0xEC92, 1, 0x00, 0x04},   {12, 0xEC92, 2, 0xFF, 0xF3},
    // single bits
    {28, 0xEC9A, 1, 0x00, 0x08},   {28, 0xEC9A, 0, 0xFF, 0xF7},
    {38, 0xE711, 1, 0x00, 0x04},   {38, 0xE711, 0, 0xFF, 0xFB},
    // stun group characters; "E" and "F" stand for "*" and "#"
    {52, 0xE146, 0, 0xA5, 0x00},   {52, 0xE146, 1, 0xA5, 0x41},   {52, 0xE146, 4, 0xA5, 0x44},
    {52, 0xE146, 5, 0xA5, 0x2A},   {52, 0xE146, 6, 0xA5, 0x23},
    // volume steps through the volume table
    {57, 0xE602, 63, 0xA5, 0x45},  {57, 0xE602, 117, 0xA5, 0xD0}, {57, 0xE602, 255, 0xA5, 0xFF},
};

struct CheckCase {
    int index;
    Addr addr;
    int bit; // -1: the whole byte
};

const CheckCase kCheckCases[] = {
    {2, 0xEC1B, -1},  {3, 0xEC0B, -1},  {4, 0xEC0E, -1},  {5, 0xEC9A, 5},   {6, 0xEC9A, 1},   {7, 0xEC9A, 0},
    {33, 0xEC9D, 5},  {34, 0xEC60, -1}, {35, 0xECA2, 4},  {8, 0xEC29, -1},  {9, 0xEC47, -1},  {11, 0xEC9A, 6},
    {12, 0xEC9A, 7},  {13, 0xEC50, -1}, {15, 0xEC4B, -1}, {17, 0xEC59, -1}, {18, 0xEC4A, -1}, {20, 0xEC9A, 4},
    {21, 0xEC9D, 0},  {22, 0xEC9D, 1},  {23, 0xEC9D, 2},  {24, 0xEC0F, -1}, {26, 0xEC2B, -1}, {29, 0xEC2C, -1},
    {30, 0xEC29, -1}, {31, 0xEC3F, -1}, {32, 0xEC5B, -1}, {27, 0xEC3A, -1}, {28, 0xEC3D, -1},
};
// clang-format on

struct TextCase {
    int index;
    const char* typed;
    const char* shown;
    Addr addr;
    std::vector<std::uint8_t> written;
};

std::vector<std::uint8_t> padded(std::initializer_list<std::uint8_t> head, std::size_t n, std::uint8_t pad) {
    std::vector<std::uint8_t> v(head);
    v.resize(n, pad);
    return v;
}

const TextCase kTextCases[] = {
    {2, "AB", "AB", 0xE610, padded({0x41, 0x00, 0x42, 0x00}, 32, 0x00)},
    {3, "Hi 1", "Hi 1", 0xE630, padded({0x48, 0x00, 0x69, 0x00, 0x00, 0x00, 0x31, 0x00}, 32, 0x00)},
    {4, "12a*#x", "12AEF", 0xE100, padded({0x31, 0x32, 0x41, 0x2A, 0x23}, 16, 0xFF)},
    {5, "d 9", "D 9", 0xE110, padded({0x44, 0x20, 0x39}, 16, 0xFF)},
    {6, "0123456789", "0123456789", 0xE120, {0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39}},
    {7, "abc", "ABC", 0xE130, padded({0x41, 0x42, 0x43}, 10, 0xFF)},
    {8, "hello", "HELLO", 0xE6D0, {17, 14, 21, 21, 24, 36}},
    {9, "A B", "A B", 0xE6D7, {10, 36, 11, 36, 36, 36}},
    {10, "0123456789", "012345", 0xE6E0, {0, 1, 2, 3, 4, 5}},
    {11, "1x2", "12", 0xE717, {1, 2, 0xFF, 0xFF, 0xFF, 0xFF}},
};

// The addresses whose bytes differ between two images.
std::set<Addr> diff(const model::Image& a, const model::Image& b) {
    std::set<Addr> out;
    for (Addr i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) out.insert(i);
    return out;
}

class EveryControlStores : public SettingsTest, public ::testing::WithParamInterface<std::uint8_t> {};

TEST_P(EveryControlStores, CombosWriteTheirFieldOnly) {
    load(GetParam());
    for (const ComboCase& c : kComboCases) {
        SCOPED_TRACE("cboPc(" + std::to_string(c.index) + ") position " + std::to_string(c.position));
        m.IicDat[c.addr] = c.before;
        const model::Image was = m.IicDat;
        ASSERT_TRUE(channels::UserChoosePc(p, m, c.index, c.position));
        EXPECT_EQ(m.IicDat[c.addr], c.after);
        EXPECT_EQ(diff(was, m.IicDat), (c.before == c.after ? std::set<Addr>{} : std::set<Addr>{c.addr}));
    }
}

TEST_P(EveryControlStores, ChecksWriteOneOrZeroOrTheirBitOnly) {
    load(GetParam());
    for (const CheckCase& c : kCheckCases) {
        SCOPED_TRACE("chkPc(" + std::to_string(c.index) + ")");
        const std::uint8_t mask = c.bit < 0 ? 0xFF : static_cast<std::uint8_t>(1 << c.bit);
        m.IicDat[c.addr] = 0x00;
        channels::SetPcValue(p, m, c.index, 0);
        model::Image was = m.IicDat;
        ASSERT_TRUE(channels::UserTickPc(p, m, c.index, 1));
        EXPECT_EQ(m.IicDat[c.addr], c.bit < 0 ? 1 : mask);
        EXPECT_EQ(diff(was, m.IicDat), std::set<Addr>{c.addr});

        m.IicDat[c.addr] = 0xFF;
        was = m.IicDat;
        ASSERT_TRUE(channels::UserTickPc(p, m, c.index, 0));
        EXPECT_EQ(m.IicDat[c.addr], static_cast<std::uint8_t>(~mask));
        EXPECT_EQ(diff(was, m.IicDat), std::set<Addr>{c.addr});
    }
}

TEST_P(EveryControlStores, TextBoxesStoreTheirCodesAndShowWhatWasKept) {
    load(GetParam());
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE("txtPc(" + std::to_string(c.index) + ")");
        load(0xFF); // the other line and box of a pair hold nothing
        const model::Image was = m.IicDat;
        ASSERT_TRUE(channels::UserTypePc(p, m, c.index, c.typed));
        EXPECT_EQ(p.txtPc[c.index].Text, c.shown);
        EXPECT_EQ(bytes(c.addr, c.written.size()), c.written);
        for (Addr a : diff(was, m.IicDat)) EXPECT_TRUE(a >= c.addr && a < c.addr + c.written.size()) << a;
    }
}

TEST_P(EveryControlStores, VoxLevelsKeysAndAutoDialMemories) {
    load(GetParam());
    for (int level = 1; level <= 10; ++level) channels::SetVoxListIndex(p, m, level, 100);
    for (int level = 1; level <= 10; ++level) {
        const model::Image was = m.IicDat;
        ASSERT_TRUE(channels::UserChooseVox(p, m, level, 100 + level));
        EXPECT_EQ(diff(was, m.IicDat), std::set<Addr>{0xE720 + static_cast<Addr>(level)});
        EXPECT_EQ(m.IicDat[0xE720 + level], 100 + level);
    }
    const Addr keyAddr[] = {0xEC24, 0xEC25, 0xEC26, 0xEC27, 0xEC36};
    for (int key = 0; key < 5; ++key) {
        const int highest = key < 2 ? 15 : 13;
        const model::Image was = m.IicDat;
        ASSERT_TRUE(channels::UserChooseKey(p, m, key, highest));
        EXPECT_EQ(m.IicDat[keyAddr[key]], highest);
        EXPECT_EQ(p.listSkKey[key].ListIndex, highest);
        EXPECT_LE(diff(was, m.IicDat).size(), 1u);
    }
    for (int j = 0; j < 16; ++j) {
        const model::Image was = m.IicDat;
        ASSERT_TRUE(channels::UserTypeAutoMem(p, m, j, "5#az"));
        EXPECT_EQ(p.txtAutoMem[j].Text, "5FA");
        EXPECT_EQ(p.txtAutoMem[j].SelStart, 3);
        EXPECT_EQ(bytes(0xE000 + 16 * static_cast<Addr>(j), 16), padded({0x35, 0x23, 0x41}, 16, 0xFF));
        for (Addr a : diff(was, m.IicDat)) EXPECT_EQ(a / 16, (0xE000 + 16 * static_cast<Addr>(j)) / 16);
    }
}

INSTANTIATE_TEST_SUITE_P(AfterLoading, EveryControlStores, ::testing::Values(0xFF, 0x00));

// Each combo with a field is in the cases above.
TEST_F(SettingsTest, TheCasesCoverEveryStoredControl) {
    std::set<int> combos, checks, texts;
    for (const ComboCase& c : kComboCases) combos.insert(c.index);
    for (const CheckCase& c : kCheckCases) checks.insert(c.index);
    for (const TextCase& c : kTextCases) texts.insert(c.index);
    combos.insert(46); // with its own test below
    for (const auto& f : channels::ComboFields()) EXPECT_TRUE(combos.count(f.index)) << f.index;
    for (const auto& f : channels::CheckFields()) EXPECT_TRUE(checks.count(f.index)) << f.index;
    for (const auto& f : channels::TextFields()) EXPECT_TRUE(texts.count(f.index)) << f.index;
    EXPECT_EQ(channels::ComboFields().size(), 60u);
    EXPECT_EQ(channels::CheckFields().size(), 29u);
    EXPECT_EQ(channels::TextFields().size(), 10u);
}

TEST_F(SettingsTest, ControlsWithoutAFieldStoreNothing) {
    load(0x00);
    const model::Image was = m.IicDat;
    for (int i : {0, 1, 2, 3, 17, 18, 19, 48, 58, 60, 63, 64, 67}) {
        p.cboPc[i].items = {"x", "y"};
        channels::UserChoosePc(p, m, i, 1);
    }
    for (int i : {0, 1, 10, 14, 16, 19, 25}) channels::UserTickPc(p, m, i, 1);
    for (int i : {0, 1}) channels::UserTypePc(p, m, i, "123");
    EXPECT_EQ(m.IicDat, was);
}

TEST_F(SettingsTest, DigitLengthAlsoMovesTheIntervalAndTheIntervalMovesAlone) {
    load(0x00);
    channels::UserChoosePc(p, m, 46, 100);
    EXPECT_EQ(m.IicDat[0xEC2E], 100);
    EXPECT_EQ(m.IicDat[0xEC2F], 100);
    EXPECT_EQ(p.cboPc[47].ListIndex, 100);

    channels::UserChoosePc(p, m, 47, 7);
    EXPECT_EQ(m.IicDat[0xEC2E], 100);
    EXPECT_EQ(m.IicDat[0xEC2F], 7);
}

TEST_F(SettingsTest, BothAniBoxesStoreTheSharedByteAndTheOtherKeepsItsTick) {
    load(0x00);
    channels::UserTickPc(p, m, 30, 1);
    EXPECT_EQ(m.IicDat[0xEC29], 1);
    EXPECT_EQ(p.chkPc[8].Value, 0);
    channels::UserTickPc(p, m, 8, 1);
    channels::UserTickPc(p, m, 8, 0);
    EXPECT_EQ(m.IicDat[0xEC29], 0);
    EXPECT_EQ(p.chkPc[30].Value, 1);
}

TEST_F(SettingsTest, LinkedEnablesFollowTheirControllingBoxes) {
    load(0x00); // Tx Time Distance Alarm "Continue", empty stun code
    EXPECT_FALSE(p.cboPc[36].Enabled);
    EXPECT_FALSE(p.cboPc[53].Enabled);
    channels::UserChoosePc(p, m, 35, 5);
    EXPECT_TRUE(p.cboPc[36].Enabled);
    channels::UserChoosePc(p, m, 35, 0);
    EXPECT_FALSE(p.cboPc[36].Enabled);

    channels::UserTypePc(p, m, 7, "12");
    EXPECT_FALSE(p.cboPc[53].Enabled);
    channels::UserTypePc(p, m, 7, "123");
    EXPECT_TRUE(p.cboPc[53].Enabled);
    channels::UserTypePc(p, m, 7, "12");
    EXPECT_FALSE(p.cboPc[53].Enabled);
    channels::UserTypePc(p, m, 7, "1x");
    EXPECT_FALSE(p.cboPc[53].Enabled);
    EXPECT_EQ(p.txtPc[7].Text, "1");
}

TEST_F(SettingsTest, TypedTextsStopAtTheBoxLength) {
    load(0xFF);
    channels::UserTypePc(p, m, 2, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(p.txtPc[2].Text, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(m.IicDat[0xE62E], 'P');
    EXPECT_EQ(m.IicDat[0xE630], 0xFF); // line 2 untouched
    channels::UserTypePc(p, m, 6, "123456789012");
    EXPECT_EQ(p.txtPc[6].Text, "1234567890");
    EXPECT_EQ(m.IicDat[0xE12A], 0xFF);
}

TEST_F(SettingsTest, AMessageCharacterWithoutCodeDropsOut) {
    load(0xFF);
    channels::UserTypePc(p, m, 2,
                         "A\xF0\x9F\x98\x80"
                         "B"); // a character outside the table
    EXPECT_EQ(p.txtPc[2].Text, "AB");
    EXPECT_EQ(bytes(0xE610, 6), (std::vector<std::uint8_t>{0x41, 0x00, 0x42, 0x00, 0x00, 0x00}));
}

TEST_F(SettingsTest, ChoosingAMarkedKeyFunctionAgainKeepsIt) {
    m.IicDat.fill(0xFF);
    put(0xEC25, {9});
    channels::InitOpt(p, m);
    EXPECT_EQ(p.listSkKey[1].ListIndex, 9);
    channels::UserChooseKey(p, m, 1, 9);
    EXPECT_EQ(m.IicDat[0xEC25], 9);
    EXPECT_EQ(p.listSkKey[1].ListIndex, 9);
    EXPECT_EQ(p.SkKeyBusy, 0);
}

// Typed key by key: each keystroke hands the box's text with one more
// character. A space at the end stays in the box for the next word; the
// image holds the same bytes as without it, and the box never holds more
// than the image's text and spaces after it.
TEST_F(SettingsTest, ASpaceTypedAtTheEndStaysForTheNextWord) {
    const auto lineCodes = [](const std::string& t) {
        return charcode::TextToHanZi(charcode::HanZiTbl(), t, 16);
    };
    struct Case {
        int index;
        const char* keys;
        const char* kept; // the box at the end
        Addr addr;
        std::vector<std::uint8_t> written;
    } cases[] = {
        {2, "HELLO TEST", "HELLO TEST", 0xE610, lineCodes("HELLO TEST")},
        {3, "中文 Hi  ", "中文 Hi  ", 0xE630, lineCodes("中文 Hi")},
        {8, "hi yo", "HI YO", 0xE6D0, {17, 18, 36, 34, 24, 36}},
        {9, "A B ", "A B ", 0xE6D7, {10, 36, 11, 36, 36, 36}},
        // A code holds no spaces: one typed anywhere goes at once.
        {10, "1 2 ", "12", 0xE6E0, {1, 2, 0xFF, 0xFF, 0xFF, 0xFF}},
        {11, "3 ", "3", 0xE717, {3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    // What the image's field shows, as a load shows it.
    const auto shown = [this](int index) {
        const Addr at = channels::TextFieldOf(index)->addr;
        if (index == 2 || index == 3) return charcode::HanZiToText(charcode::HanZiTbl(), bytes(at, 32), 16);
        std::string t = model::NameCodesToText(m, std::span<const std::uint8_t, 6>(&m.IicDat[at], 6));
        return t.erase(t.find_last_not_of(' ') + 1);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("txtPc(" + std::to_string(c.index) + ")");
        load(0xFF);
        const model::Image was = m.IicDat;
        const std::u16string keys = charcode::toUtf16(c.keys);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const std::string text = p.txtPc[c.index].Text + charcode::toUtf8(keys.substr(k, 1));
            ASSERT_TRUE(channels::UserTypePc(p, m, c.index, text));
            const std::string& box = p.txtPc[c.index].Text;
            const std::string image = shown(c.index);
            EXPECT_EQ(box.compare(0, image.size(), image), 0) << box;
            EXPECT_EQ(box.find_first_not_of(' ', image.size()), std::string::npos) << box;
        }
        EXPECT_EQ(p.txtPc[c.index].Text, c.kept);
        EXPECT_EQ(bytes(c.addr, c.written.size()), c.written);
        for (Addr a : diff(was, m.IicDat)) EXPECT_TRUE(a >= c.addr && a < c.addr + c.written.size()) << a;
    }

    // A load, and a change of the other line, show the image's text.
    load(0xFF);
    channels::UserTypePc(p, m, 2, "AB ");
    channels::UserTypePc(p, m, 3, "CD ");
    EXPECT_EQ(p.txtPc[2].Text, "AB");
    EXPECT_EQ(p.txtPc[3].Text, "CD ");
    const std::vector<std::uint8_t> lines = bytes(0xE610, 64);
    channels::InitOpt(p, m);
    EXPECT_EQ(p.txtPc[3].Text, "CD");
    EXPECT_EQ(bytes(0xE610, 64), lines);
}

} // namespace
} // namespace settingstest

#include "tests/model/ModelFixture.h"

#include "model/ChTable.h"
#include "model/Frequency.h"

#include <bit>
#include <random>

using namespace model;
using modeltest::ModelTest;
using Bytes = std::vector<std::uint8_t>;

namespace {

class ChTableTest : public ModelTest {
  protected:
    ChTableTest() {
        m.ChCount = 16;
        m.ChColCount = 20;
        m.CtdcsNoneText = "None";
        for (int c = 5; c <= 20; ++c) m.ChColList[c][2] = "0";
        setBand2(40000000, 47000000);
    }
    void record(int ch, const Bytes& r) {
        std::copy(r.begin(), r.end(), m.IicDat.begin() + static_cast<std::ptrdiff_t>(map::ChRecordAddr(ch)));
    }
    Bytes record(int ch) const { return bytes(map::ChRecordAddr(ch), 16); }
    Bytes name(int ch) const { return bytes(map::ChNameAddr(ch), 8); }
};

// 440.00000 MHz, transmit 445.00000, tones 67.0 and D023I, options.
const Bytes Present = {0x00, 0x00, 0x00, 0x44, 0x00, 0x00, 0x50, 0x44,
                       0x9E, 0x02, 0x13, 0xA8, 0xF5, 0xE7, 0xDF, 0x5A};

TEST_F(ChTableTest, ChannelsLieAtTheirOffsets) {
    m.ChCount = 200;
    for (int ch : {1, 128, 129, 200, 201, 256}) {
        std::int32_t f = 40000000 + 2500 * ch;
        StoreBcdFre(m, map::ChRecordAddr(ch), f);
        put(map::ChRecordAddr(ch) + 4, {0xFF, 0xFF, 0xFF, 0xFF});
        put(map::ChNameAddr(ch), {std::uint8_t(ch % 45), 1, 2, 3, 4, 5});
    }
    IicDatToChInfo(m);
    EXPECT_EQ(map::ChRecordAddr(1), 0xC800u);
    EXPECT_EQ(map::ChNameAddr(1), 0xD800u);
    EXPECT_EQ(map::ChRecordAddr(256), 0xD7F0u);
    EXPECT_EQ(map::ChNameAddr(256), 0xDFF8u);
    for (int ch : {1, 128, 129, 200}) {
        EXPECT_EQ(m.ChInfo[ch][1], 40000000 + 2500 * ch) << ch;
        EXPECT_EQ(m.ChNameDat[ch][0], ch % 45) << ch;
    }
    for (int ch : {201, 256}) EXPECT_EQ(m.ChInfo[ch][1], 0) << ch; // beyond ChCount: not decoded

    for (int ch : {1, 128, 129, 200, 201, 256}) m.ChInfo[ch][1] = 45000000 + ch;
    ChInfoToIicDat(m);
    for (int ch : {1, 128, 129, 200}) EXPECT_EQ(ReadBcdFre(m.IicDat, map::ChRecordAddr(ch)), 45000000 + ch);
    for (int ch : {201, 256}) EXPECT_EQ(ReadBcdFre(m.IicDat, map::ChRecordAddr(ch)), 40000000 + 2500 * ch);
}

TEST_F(ChTableTest, PresenceTestAtItsEdges) {
    setBand2(43000000, 44000500); // valid range 430.00000-440.00000
    struct Case {
        Bytes rx;
        bool present;
    } cases[] = {
        {{0x00, 0x00, 0x00, 0x44}, true},  // top of the valid range
        {{0x01, 0x00, 0x00, 0x44}, false}, // 10 Hz above it
        {{0x00, 0x00, 0x00, 0x43}, true},  // the band's low
        {{0x99, 0x99, 0x99, 0x42}, false}, // 10 Hz below it
        {{0x00, 0x00, 0x00, 0x10}, false}, // byte 3 below 0x11
        {{0x00, 0x00, 0x00, 0x9A}, false}, // and above 0x99
        {{0xFF, 0xFF, 0xFF, 0xFF}, false},
    };
    for (const auto& c : cases) {
        Bytes r = Present;
        std::copy(c.rx.begin(), c.rx.end(), r.begin());
        record(1, r);
        m.ChInfo[1][1] = 7;
        IicDatToChInfo(m);
        EXPECT_EQ(m.ChInfo[1][1] != NoFre, c.present) << int(c.rx[3]) << ' ' << int(c.rx[0]);
    }
    // Byte 3 = 0x11 and 0x99 pass the first test; then the band decides.
    setBand2(11000000, 99000500);
    for (std::uint8_t b3 : {0x11, 0x99}) {
        record(1, {0x00, 0x00, 0x00, b3, 0xFF, 0xFF, 0xFF, 0xFF});
        IicDatToChInfo(m);
        EXPECT_EQ(m.ChInfo[1][1], (b3 >> 4) * 10000000 + (b3 & 15) * 1000000);
    }
}

TEST_F(ChTableTest, AnAbsentChannelGetsTheColumnDefaultsAndKeepsTheRest) {
    m.ChColCount = 9;
    m.ChColList[5][2] = "1";
    m.ChColList[9][2] = "2";
    m.ChInfo[1] = {5, 1, 2, 3, 4, 0, 0, 0, 0, 0, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    m.ChCtdcs[1] = {"67.0", "D023N"};
    m.ChNameDat[1] = {1, 2, 3, 4, 5, 6, 0, 0, 0};
    record(1, Bytes(16, 0xFF));
    IicDatToChInfo(m);
    EXPECT_EQ(m.ChInfo[1], (std::array<std::int32_t, 21>{5, -1, -1, 0, 0, 1, 0, 0, 0, 2, 7,
                                                         7, 7,  7,  7, 7, 7, 7, 7, 7, 7}));
    EXPECT_EQ(m.ChCtdcs[1][0], "67.0");
    EXPECT_EQ(m.ChNameDat[1][5], 6);
}

TEST_F(ChTableTest, DecodesAPresentRecord) {
    record(1, Present);
    put(map::ChNameAddr(1), {12, 17, 43, 0, 0, 1, 0x77, 0x88});
    m.ChInfo[1][0] = 1;
    IicDatToChInfo(m);
    const auto& f = m.ChInfo[1];
    EXPECT_EQ(f[0], 1); // the marker is the editor's
    EXPECT_EQ(f[1], 44000000);
    EXPECT_EQ(f[2], 44500000);
    EXPECT_EQ(m.ChCtdcs[1][0], "67.0");
    EXPECT_EQ(m.ChCtdcs[1][1], "D023I");
    // 0xF5 = 1111 0101, 0xE7 = 1110 0111, 0xDF = 1101 1111, 0x5A = 0101 1010
    EXPECT_EQ(f[18], 1);
    EXPECT_EQ(f[9], 1);
    EXPECT_EQ(f[6], 1);
    EXPECT_EQ(f[5], 1);
    EXPECT_EQ(f[7], 1);
    EXPECT_EQ(f[8], 1);
    EXPECT_EQ(f[17], 3);
    EXPECT_EQ(f[10], 1);
    EXPECT_EQ(f[14], 7);
    EXPECT_EQ(f[12], 3);
    EXPECT_EQ(f[16], 31);
    EXPECT_EQ(f[13], 1);
    EXPECT_EQ(f[15], 26);
    EXPECT_EQ(m.ChNameDat[1][0], 12);
    EXPECT_EQ(m.ChNameDat[1][5], 1);
}

TEST_F(ChTableTest, TransmitByte7DecidesWhetherTransmitIsOn) {
    struct Case {
        std::uint8_t b7;
        std::int32_t tx;
    } cases[] = {{0x00, -1}, {0xA0, -1}, {0xFF, -1}, {0x01, 1000000}, {0x99, 99000000}};
    for (const auto& c : cases) {
        Bytes r = Present;
        r[4] = r[5] = r[6] = 0x00;
        r[7] = c.b7;
        record(1, r);
        IicDatToChInfo(m);
        EXPECT_EQ(m.ChInfo[1][2], c.tx) << int(c.b7);
    }
}

TEST_F(ChTableTest, Byte12DropsItsInvalidBits) {
    struct Case {
        std::uint8_t in;
        std::int32_t f5, f7, f8;
        std::uint8_t after;
    } cases[] = {{0x0B, 0, 0, 0, 0x00}, {0x1A, 1, 0, 2, 0x12}, {0x07, 0, 1, 0, 0x04}, {0x01, 0, 0, 1, 0x01}};
    for (const auto& c : cases) {
        Bytes r = Present;
        r[12] = c.in;
        record(1, r);
        IicDatToChInfo(m);
        EXPECT_EQ(m.ChInfo[1][5], c.f5) << int(c.in);
        EXPECT_EQ(m.ChInfo[1][7], c.f7) << int(c.in);
        EXPECT_EQ(m.ChInfo[1][8], c.f8) << int(c.in);
        EXPECT_EQ(record(1)[12], c.after) << int(c.in);
    }
}

TEST_F(ChTableTest, EncodesOptionBitsClampingCounts) {
    record(1, Present);
    IicDatToChInfo(m);
    auto& f = m.ChInfo[1];
    f[14] = 40;
    f[16] = 31;
    f[15] = 99;
    f[8] = 3;
    f[17] = 4;
    f[5] = 2; // a 1-bit field is set only by 1
    ChInfoToIicDat(m);
    Bytes r = record(1);
    EXPECT_EQ(r[12], 0xE4); // 18, 9, 6, 7 set; 5 clear; field 8 = 3 writes 00
    EXPECT_EQ(r[13] & 0x0F, 15);
    EXPECT_EQ(r[13] >> 6, 0);
    EXPECT_EQ(r[14] & 0x1F, 31);
    EXPECT_EQ(r[15] & 0x1F, 31);
    EXPECT_EQ(f[14], 15);
    EXPECT_EQ(f[16], 31);
    EXPECT_EQ(f[15], 31);
}

TEST_F(ChTableTest, UnownedBitsSurviveWhateverTheTableHolds) {
    for (std::uint8_t fill : {0x00, 0xFF}) {
        Bytes r = Present;
        r[13] = r[14] = r[15] = fill;
        record(1, r);
        IicDatToChInfo(m);
        for (int field = 5; field <= 20; ++field) m.ChInfo[1][field] = fill ? 0 : 1;
        ChInfoToIicDat(m);
        EXPECT_EQ(record(1)[13] & 0x10, fill & 0x10);
        EXPECT_EQ(record(1)[14] & 0x20, fill & 0x20);
        EXPECT_EQ(record(1)[15] & 0x20, fill & 0x20);
    }
}

// Where each option field lies in record bytes 12-15, and the largest value
// it stores. A count above it is set to it; any other field stores 0 for a
// value outside 1..top.
struct OptionField {
    int field;
    int byte;
    std::uint8_t mask;
    std::int32_t top;
    bool count;
};
constexpr OptionField OptionLayout[] = {
    {18, 12, 0x80, 1, false}, {9, 12, 0x40, 1, false},  {6, 12, 0x20, 1, false},  {5, 12, 0x10, 1, false},
    {7, 12, 0x04, 1, false},  {8, 12, 0x03, 2, false},  {17, 13, 0xC0, 3, false}, {10, 13, 0x20, 1, false},
    {14, 13, 0x0F, 15, true}, {12, 14, 0xC0, 3, false}, {16, 14, 0x1F, 31, true}, {13, 15, 0xC0, 3, false},
    {15, 15, 0x1F, 31, true},
};

// Every value of every field, and values beyond it, over two backgrounds
// that between them flip every bit a decode keeps: the encode changes that
// field's bits alone, and the next decode gives the value stored and every
// other field as it was.
TEST_F(ChTableTest, EachOptionFieldIsStoredInItsOwnBitsAlone) {
    const Bytes backgrounds[] = {{0xF5, 0xE7, 0xDF, 0x5A}, {0x02, 0x18, 0x20, 0xA5}};
    for (const Bytes& bg : backgrounds) {
        for (const auto& o : OptionLayout) {
            const int shift = std::countr_zero(o.mask);
            const std::int32_t old = (bg[o.byte - 12] & o.mask) >> shift;
            std::vector<std::pair<std::int32_t, std::int32_t>> cases; // value, value stored
            for (std::int32_t v = 0; v <= o.top; ++v) cases.emplace_back(v, v);
            cases.emplace_back(o.top + 1, o.count ? o.top : 0);
            cases.emplace_back(1000, o.count ? o.top : 0);
            cases.emplace_back(-1, o.count ? old : 0);
            for (const auto& [value, stored] : cases) {
                Bytes r = Present;
                std::copy(bg.begin(), bg.end(), r.begin() + 12);
                record(1, r);
                IicDatToChInfo(m);
                const auto before = m.ChInfo[1];
                m.ChInfo[1][o.field] = value;
                ChInfoToIicDat(m);
                const std::string at = "field " + std::to_string(o.field) + " = " + std::to_string(value) +
                                       " over " + std::to_string(bg[0]);
                EXPECT_EQ(m.ChInfo[1][o.field], o.count && value > o.top ? o.top : value) << at;
                Bytes expected = r;
                expected[o.byte] = static_cast<std::uint8_t>((r[o.byte] & ~o.mask) | (stored << shift));
                EXPECT_EQ(record(1), expected) << at;
                IicDatToChInfo(m);
                auto after = before;
                after[o.field] = stored;
                EXPECT_EQ(m.ChInfo[1], after) << at;
            }
        }
    }
}

TEST_F(ChTableTest, DecodeThenEncodeGivesThePresentRecordBack) {
    for (std::uint8_t b12 : {0xF5, 0x0B, 0x1A}) {
        Bytes r = Present;
        r[12] = b12;
        record(1, r);
        put(map::ChNameAddr(1), {10, 11, 36, 36, 255, 44, 0x12, 0x34});
        IicDatToChInfo(m);
        ChInfoToIicDat(m);
        Bytes expected = r;
        expected[12] = static_cast<std::uint8_t>(b12 & ~0x08 & ((b12 & 3) == 3 ? ~0x03 : 0xFF));
        EXPECT_EQ(record(1), expected) << int(b12);
        EXPECT_EQ(name(1), (Bytes{10, 11, 36, 36, 255, 44, 0x12, 0x34}));
    }
}

TEST_F(ChTableTest, NoFrequencyEncodesErasedBytes) {
    record(1, Present);
    IicDatToChInfo(m);
    m.ChInfo[1][2] = NoFre;
    ChInfoToIicDat(m);
    EXPECT_EQ(bytes(map::ChRecordAddr(1) + 4, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    m.ChInfo[1][1] = NoFre;
    ChInfoToIicDat(m);
    EXPECT_EQ(bytes(map::ChRecordAddr(1), 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(ChTableTest, EncodesFrequenciesAsEightDigits) {
    record(1, Present);
    IicDatToChInfo(m);
    m.ChInfo[1][1] = 5500000; // 55 MHz
    m.ChInfo[1][2] = 43501250;
    ChInfoToIicDat(m);
    EXPECT_EQ(bytes(map::ChRecordAddr(1), 8), (Bytes{0x00, 0x00, 0x50, 0x05, 0x50, 0x12, 0x50, 0x43}));
}

TEST_F(ChTableTest, AFrequencyEightDigitsCannotHoldIsNeverStored) {
    record(1, Present);
    IicDatToChInfo(m);
    m.ChInfo[1][1] = 100000000;
    m.ChInfo[1][2] = -7;
    m.ChInfo[1][14] = 3;
    ChInfoToIicDat(m);
    Bytes r = record(1);
    EXPECT_EQ(Bytes(r.begin(), r.begin() + 8), Bytes(Present.begin(), Present.begin() + 8));
    EXPECT_EQ(r[13] & 0x0F, 3); // the rest of the channel is stored
    EXPECT_TRUE(wasReported("modChMem->CiRxFreSol"));
    EXPECT_TRUE(wasReported("modChMem->CiTxFreSol"));
}

TEST_F(ChTableTest, AnEmptyChannelWritesNothingButItsErasedFrequencies) {
    // Tones, options and a name left in the table from an earlier image.
    m.ChCtdcs[2] = {"67.0", "D023N"};
    m.ChNameDat[2] = {1, 2, 3, 4, 5, 6, 0, 0, 0};
    m.ChInfo[2][14] = 5;
    record(2, Bytes(16, 0xFF));
    IicDatToChInfo(m);
    ChInfoToIicDat(m);
    EXPECT_EQ(record(2), Bytes(16, 0xFF));
    EXPECT_EQ(name(2), Bytes(8, 0x00));
}

// A channel the user cleared loses its tone codes with its frequencies; its
// option bits and name stay. Decoding or erasing the channel forgets the mark.
TEST_F(ChTableTest, AChannelTheUserClearedAlsoLosesItsTones) {
    record(2, Present);
    put(map::ChNameAddr(2), {1, 2, 3, 4, 5, 6});
    IicDatToChInfo(m);
    const Bytes before = record(2);
    m.ChInfo[2][1] = model::NoFre;
    m.ChInfo[2][2] = model::NoFre;
    m.ChCtdcs[2] = {"", ""};
    m.ChCleared[2] = true;
    ChInfoToIicDat(m);
    Bytes expected = before;
    std::fill_n(expected.begin(), 12, 0xFF); // frequencies and tone codes
    EXPECT_EQ(record(2), expected);
    const Bytes kept = name(2);
    EXPECT_EQ(Bytes(kept.begin(), kept.begin() + 6), (Bytes{1, 2, 3, 4, 5, 6}));

    // Erased whole, with old tone texts still in the table: they stay out.
    m.ChCtdcs[2] = {"67.0", "67.0"};
    DelOneChannel(m, 2);
    ChInfoToIicDat(m);
    EXPECT_EQ(record(2), Bytes(16, 0xFF));
    // Decoded as absent, the mark is gone too.
    m.ChCleared[3] = true;
    record(3, Bytes(16, 0x00));
    IicDatToChInfo(m);
    EXPECT_FALSE(m.ChCleared[3]);
}

TEST_F(ChTableTest, NegativeCountFieldsKeepTheirBitsAndTheRestIsStored) {
    record(1, Present);
    put(map::ChNameAddr(1), {1, 2, 3, 4, 5, 6});
    IicDatToChInfo(m);
    m.ChInfo[1][14] = -1;
    m.ChInfo[1][16] = -1;
    m.ChInfo[1][15] = -1;
    m.ChInfo[1][17] = 1;
    m.ChInfo[1][12] = 2;
    m.ChInfo[1][13] = 0;
    m.ChNameDat[1][0] = 20;
    ChInfoToIicDat(m);
    Bytes r = record(1);
    EXPECT_EQ(r[13], 0x67); // field 17 = 01, field 10 = 1, bit 4 kept, field 14 kept (7)
    EXPECT_EQ(r[14], 0x9F); // field 12 = 10, bit 5 kept (0), field 16 kept (31)
    EXPECT_EQ(r[15], 0x1A); // field 13 = 00, bit 5 kept (0), field 15 kept (26)
    EXPECT_EQ(name(1)[0], 20);
}

TEST_F(ChTableTest, AToneTextWithoutCodeLeavesTheRecordsTone) {
    record(1, Present);
    IicDatToChInfo(m);
    m.SepDat = {0x11, 0x22, 0, 0};
    m.ChCtdcs[1][0] = "bad";
    ChInfoToIicDat(m);
    EXPECT_EQ(record(1)[8], 0x9E);
    EXPECT_EQ(record(1)[9], 0x02);
}

TEST_F(ChTableTest, ARecordWithANonDecimalDigitDecodesEmptyAndTheDecodeGoesOn) {
    for (int ch = 1; ch <= 16; ++ch) {
        record(ch, Present);
        m.ChInfo[ch][1] = 12345; // the previous image
    }
    put(map::ChRecordAddr(3), {0x0A, 0x00, 0x00, 0x44}); // byte 3 passes, a digit does not
    IicDatToChInfo(m);
    EXPECT_EQ(m.ChInfo[3][1], NoFre);
    EXPECT_EQ(m.ChInfo[3][2], NoFre);
    for (int ch : {1, 2, 4, 16}) EXPECT_EQ(m.ChInfo[ch][1], 44000000) << ch;
}

TEST_F(ChTableTest, AColumnDefaultThatIsNoNumberGivesTheFirstOption) {
    m.ChColCount = 9;
    m.ChColList[6][2] = "wide";
    for (int ch = 1; ch <= 16; ++ch) m.ChInfo[ch][1] = 12345;
    record(1, Bytes(16, 0xFF));
    record(16, Present);
    IicDatToChInfo(m);
    EXPECT_EQ(m.ChInfo[1][1], NoFre);
    EXPECT_EQ(m.ChInfo[1][6], 0);
    EXPECT_EQ(m.ChInfo[2][1], NoFre);
    EXPECT_EQ(m.ChInfo[16][1], 44000000);
    EXPECT_TRUE(wasReported("modChMem->IicDatToChInfo"));
}

TEST_F(ChTableTest, UnreadableTransmitBytesDecodeAsTransmitOff) {
    Bytes r = Present;
    r[4] = 0xAB;
    record(1, r);
    m.ChInfo[1][2] = 44500000; // the previous image's transmit frequency
    IicDatToChInfo(m);
    EXPECT_EQ(m.ChInfo[1][2], NoFre);
    EXPECT_EQ(m.ChCtdcs[1][1], "D023I"); // the tones are still decoded
    ChInfoToIicDat(m);
    EXPECT_EQ(bytes(map::ChRecordAddr(1) + 4, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(ChTableTest, DecodeThenEncodeOfAFullImageChangesNoByteTheCodecDoesNotOwn) {
    std::mt19937 random(1234);
    for (auto& b : m.IicDat) b = static_cast<std::uint8_t>(random());
    m.ChCount = 256;
    // Every third channel present, with tones the codec recognises and random
    // option bits; the others absent, many with a byte 3 that looks present.
    auto present = [](int ch) { return (ch - 1) % 3 == 0; };
    for (int ch = 1; ch <= 256; ++ch) {
        const map::Addr at = map::ChRecordAddr(ch);
        if (present(ch)) {
            StoreBcdFre(m, at, 40000000 + 625 * static_cast<std::int32_t>(random() % 10000));
            std::copy(Present.begin() + 4, Present.begin() + 12,
                      m.IicDat.begin() + static_cast<std::ptrdiff_t>(at + 4));
        } else if (m.IicDat[at + 3] >= 0x40 && m.IicDat[at + 3] <= 0x46) {
            m.IicDat[at] = 0xAA;
        }
    }
    const Image before = m.IicDat;
    IicDatToChInfo(m);
    ChInfoToIicDat(m);
    for (std::size_t a = 0; a < before.size(); ++a) {
        std::uint8_t expected = before[a];
        if (a >= map::ChRecordBase && a < map::ChNameBase) {
            int ch = static_cast<int>((a - map::ChRecordBase) / 16) + 1;
            std::size_t at = (a - map::ChRecordBase) % 16;
            if (present(ch) && at == 12) expected = expected & ~0x08 & ((expected & 3) == 3 ? ~0x03 : 0xFF);
            if (!present(ch) && at < 8) expected = 0xFF; // an absent channel's frequencies are erased
        }
        ASSERT_EQ(m.IicDat[a], expected) << std::hex << a;
    }
}

TEST_F(ChTableTest, ChannelsBeyondChCountStayAsLoaded) {
    for (int ch = 17; ch <= 256; ++ch) record(ch, Present);
    for (int ch = 17; ch <= 256; ++ch) m.ChInfo[ch][1] = NoFre;
    IicDatToChInfo(m);
    ChInfoToIicDat(m);
    for (int ch = 17; ch <= 256; ++ch) ASSERT_EQ(record(ch), Present) << ch;
    EXPECT_EQ(m.ChInfo[17][1], NoFre);
}

TEST_F(ChTableTest, DelOneChannelEmptiesTableImageAndGrid) {
    m.ChColCount = 9;
    record(5, Present);
    put(map::ChNameAddr(5), {1, 2, 3, 4, 5, 6, 7, 8});
    m.ChInfo[5] = {0, 44000000, 44500000, 0, 0, 1, 1};
    m.ChCtdcs[5] = {"67.0", "None"};
    DelOneChannel(m, 5);
    EXPECT_EQ(m.ChInfo[5][0], 1);
    EXPECT_EQ(m.ChInfo[5][1], NoFre);
    EXPECT_EQ(m.ChInfo[5][2], NoFre);
    EXPECT_EQ(m.ChInfo[5][5], 1);
    EXPECT_EQ(m.ChCtdcs[5][0], "67.0");
    EXPECT_EQ(record(5), Bytes(16, 0xFF));
    EXPECT_EQ(name(5), Bytes(8, 0xFF));
    for (int c = 1; c <= 9; ++c) {
        EXPECT_EQ(window.grid[std::make_pair(5, c)].text, "");
        EXPECT_EQ(window.grid[std::make_pair(5, c)].colour, 16777215);
    }
    EXPECT_EQ(window.grid.count(std::make_pair(5, 10)), 0u);
    EXPECT_EQ(window.ctdcsHidden, 1);
    EXPECT_TRUE(reported.empty());
}

TEST_F(ChTableTest, DelOneChannelWithAColourThatIsNoNumber) {
    app::shell().EmptyCellColor = "white";
    record(5, Present);
    DelOneChannel(m, 5);
    EXPECT_EQ(record(5), Bytes(16, 0xFF));
    EXPECT_EQ(m.ChInfo[5][1], NoFre);
    EXPECT_TRUE(wasReported("modChMem->DelOneChannel"));
    EXPECT_EQ(window.ctdcsHidden, 0);
}

TEST_F(ChTableTest, DelOneChannelRefusesChannelsWithoutRecord) {
    put(map::ChNameAddr(1), {1, 2, 3, 4, 5, 6, 7, 8});
    DelOneChannel(m, 257);
    DelOneChannel(m, 0);
    EXPECT_EQ(name(1), (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(wasReported("modChMem->DelOneChannel"));
}

TEST_F(ChTableTest, InitChTableEmptiesTheChosenGroups) {
    struct Case {
        std::int16_t a, b;
        bool first, second;
    } cases[] = {{-1, 0, true, false}, {0, -1, false, true}, {-1, -1, true, true}, {1, 1, false, false}};
    for (const auto& c : cases) {
        for (int ch = 1; ch <= 256; ++ch) record(ch, Present);
        InitChTable(m, c.a, c.b);
        for (int ch : {1, 128}) EXPECT_EQ(record(ch) == Bytes(16, 0xFF), c.first) << ch;
        for (int ch : {129, 256}) EXPECT_EQ(record(ch) == Bytes(16, 0xFF), c.second) << ch;
    }
    // Channels the grid does not show are emptied without a report.
    EXPECT_TRUE(reported.empty());
}

} // namespace

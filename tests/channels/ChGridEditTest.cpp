// Editing the channel grid: what each edit, click and double click stores in
// the channel table, the cells and the channel records of the image.
#include "tests/channels/ChannelsFixture.h"

#include "channels/ChGridEdit.h"
#include "channels/ToneBox.h"
#include "model/ChTable.h"

namespace channelstest {
namespace {

using channels::AfterEdit;
using channels::ColName;
using channels::ColRxFre;
using channels::ColRxTone;
using channels::ColTxFre;
using channels::ColTxTone;
using Bytes = std::vector<std::uint8_t>;

class GridEditTest : public ChannelsTest {
  protected:
    // Channel ch typed in as a new channel at f MHz.
    void newChannel(int ch, const std::string& mhz) { AfterEdit(m, app::shell(), grid, ch, ColRxFre, mhz); }
    void type(int ch, int col, const std::string& text) {
        grid.SetChGridText(ch, col, text);
        AfterEdit(m, app::shell(), grid, ch, col, text);
    }
    void commitTone(int ch, int col, const std::string& text) {
        channels::OpenToneBox(m, s, grid, ch, col);
        channels::CommitTone(m, s, app::shell(), grid, text);
    }
};

TEST(FreCellText, WholeMegahertzAndNoTrailingZeros) {
    EXPECT_EQ(channels::FreCellText(40012500), "400.125");
    EXPECT_EQ(channels::FreCellText(40000000), "400");
    EXPECT_EQ(channels::FreCellText(46999500), "469.995");
    EXPECT_EQ(channels::FreCellText(13600001), "136.00001");
}

struct Typed {
    const char* text;
    std::int32_t stored;
};
class FrequencyEntry : public GridEditTest, public ::testing::WithParamInterface<Typed> {};

// Band 2 is 400-470 MHz; band 1 is the placeholder no channel can reach.
TEST_P(FrequencyEntry, SnapsClampsAndPullsIntoBand2) {
    EXPECT_EQ(channels::EnteredFre(m, GetParam().text), GetParam().stored) << GetParam().text;
}
INSTANTIATE_TEST_SUITE_P(, FrequencyEntry,
                         ::testing::Values(Typed{"435.0125", 43501250}, Typed{"435.0031", 43500250},
                                           Typed{"99", 40000000}, Typed{"470", 46999500},
                                           Typed{"475", 46999500}, Typed{"1200", 46999500},
                                           Typed{"469.9975", 46999500}, Typed{"1e12", 46999500},
                                           Typed{"1e99", 46999500}, Typed{"-1e99", 40000000},
                                           Typed{"-5", 40000000}, Typed{"400", 40000000},
                                           Typed{" +435.0125 ", 43501250}));

TEST_F(GridEditTest, AReceiveFrequencyStartsANewChannel) {
    newChannel(5, "435.0125");
    const auto& f = m.ChInfo[5];
    EXPECT_EQ(f[0], 1);
    EXPECT_EQ(f[ColRxFre], 43501250);
    EXPECT_EQ(f[ColTxFre], 43501250);
    for (int c = 5; c <= m.ChColCount; ++c) {
        if (c == ColName) continue;
        EXPECT_EQ(f[c], 0) << "column " << c;
    }
    EXPECT_EQ(m.ChCtdcs[5][0], "None");
    EXPECT_EQ(m.ChCtdcs[5][1], "None");
    EXPECT_EQ(grid.text(5, ColRxFre), "435.0125");
    EXPECT_EQ(grid.text(5, ColTxFre), "435.0125");
    EXPECT_EQ(grid.colour(5, ColRxFre), OtherColour);
    EXPECT_EQ(grid.colour(5, ColTxFre), OtherColour);
    EXPECT_EQ(grid.text(5, ColRxTone), "None");
    EXPECT_EQ(grid.text(5, ColTxTone), "None");
    EXPECT_EQ(grid.text(5, 5), "Wide");
    EXPECT_EQ(grid.text(5, 8), "Off");
    EXPECT_EQ(grid.text(5, 14), "1");
    EXPECT_EQ(grid.text(5, ColName), "CH-005");
    EXPECT_EQ(grid.current, std::pair(5, ColTxFre));
    // The record: both frequencies as BCD, tones off, options 0 (the bits
    // no field holds pass through), and the name in alphabet codes.
    EXPECT_EQ(record(5), (Bytes{0x50, 0x12, 0x50, 0x43, 0x50, 0x12, 0x50, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                                0x10, 0x20, 0x20}));
    EXPECT_EQ(bytes(model::map::ChNameAddr(5), 6), (Bytes{12, 17, 43, 0, 0, 5}));
    EXPECT_TRUE(reported.empty());
}

TEST_F(GridEditTest, RetypingAFrequencyKeepsTheRestOfTheChannel) {
    newChannel(2, "435");
    type(2, 6, "Low");
    type(2, ColRxFre, "440.5");
    EXPECT_EQ(m.ChInfo[2][ColRxFre], 44050000);
    EXPECT_EQ(m.ChInfo[2][ColTxFre], 43500000);
    EXPECT_EQ(m.ChInfo[2][6], 1);
    EXPECT_EQ(record(2)[3], 0x44);
    EXPECT_EQ(record(2)[7], 0x43);
}

TEST_F(GridEditTest, TextThatIsNoNumberInTheReceiveCellEmptiesTheChannel) {
    newChannel(3, "435");
    commitTone(3, ColRxTone, "88.5");
    type(3, ColRxFre, "abc");
    for (int c = 1; c <= m.ChColCount; ++c) {
        EXPECT_EQ(m.ChInfo[3][c], -1);
        EXPECT_EQ(grid.text(3, c), "");
        EXPECT_EQ(grid.colour(3, c), EmptyColour);
    }
    EXPECT_EQ(m.ChCtdcs[3][0], "");
    // Frequencies and tone codes go; the option bits stay as they were.
    const Bytes r = record(3);
    EXPECT_EQ(Bytes(r.begin(), r.begin() + 12), Bytes(12, 0xFF));
    EXPECT_EQ(r[13], 0x10);
    EXPECT_EQ(grid.current, std::pair(3, ColRxFre));
    // Decoded again the channel is absent.
    model::IicDatToChInfo(m);
    EXPECT_EQ(m.ChInfo[3][ColRxFre], model::NoFre);
}

TEST_F(GridEditTest, TransmitOffAndBackOn) {
    newChannel(4, "435");
    commitTone(4, ColRxTone, "88.5");
    type(4, ColTxFre, "");
    EXPECT_EQ(m.ChInfo[4][ColTxFre], model::NoFre);
    EXPECT_EQ(grid.text(4, ColTxFre), "");
    EXPECT_EQ(grid.text(4, ColTxTone), "");
    EXPECT_EQ(grid.colour(4, ColTxTone), EmptyColour);
    EXPECT_EQ(m.ChCtdcs[4][1], "");
    const Bytes off = record(4);
    EXPECT_EQ(Bytes(off.begin() + 4, off.begin() + 8), Bytes(4, 0xFF));

    // A transmit frequency again: the transmit tone becomes the receive tone.
    type(4, ColTxFre, "445");
    EXPECT_EQ(m.ChInfo[4][ColTxFre], 44500000);
    EXPECT_EQ(grid.text(4, ColTxTone), "88.5");
    EXPECT_EQ(m.ChCtdcs[4][1], "88.5");
    EXPECT_EQ(record(4)[10], 0x75); // 885 = 0x0375, low byte first
    EXPECT_EQ(record(4)[11], 0x03);
    EXPECT_EQ(grid.current, std::pair(4, ColRxTone));
}

// A channel decoded with transmit off still holds a transmit tone text (the
// record's code); a transmit frequency typed for it takes the receive tone.
TEST_F(GridEditTest, ATransmitFrequencyForADecodedChannelWithTransmitOffTakesTheReceiveTone) {
    // 435 MHz, transmit off, receive tone 88.5 (0x0375), transmit tone 67.0 (0x029E).
    const Bytes rec{0x00, 0x00, 0x50, 0x43, 0xFF, 0xFF, 0xFF, 0xFF,
                    0x75, 0x03, 0x9E, 0x02, 0x00, 0x10, 0x20, 0x20};
    std::copy(rec.begin(), rec.end(),
              m.IicDat.begin() + static_cast<std::ptrdiff_t>(model::map::ChRecordAddr(9)));
    model::IicDatToChInfo(m);
    ASSERT_EQ(m.ChInfo[9][ColTxFre], model::NoFre);
    ASSERT_EQ(m.ChCtdcs[9][1], "67.0");
    grid.SetChGridText(9, ColRxFre, "435");
    grid.SetChGridText(9, ColRxTone, m.ChCtdcs[9][0]);
    type(9, ColTxFre, "440");
    EXPECT_EQ(grid.text(9, ColTxTone), "88.5");
    EXPECT_EQ(m.ChCtdcs[9][1], "88.5");
    EXPECT_EQ(record(9)[10], 0x75);
    EXPECT_EQ(record(9)[11], 0x03);
    // With transmit on, a new transmit frequency keeps the transmit tone.
    commitTone(9, ColTxTone, "D023N");
    type(9, ColTxFre, "445");
    EXPECT_EQ(m.ChCtdcs[9][1], "D023N");
}

TEST_F(GridEditTest, OptionEditsStoreTheListPosition) {
    newChannel(1, "435");
    type(1, 8, "EOT");
    EXPECT_EQ(m.ChInfo[1][8], 2);
    EXPECT_EQ(record(1)[12] & 0x03, 0x02);
    type(1, 15, "32");
    EXPECT_EQ(m.ChInfo[1][15], 31);
    EXPECT_EQ(record(1)[15] & 0x1F, 31);
    type(1, 5, "neither");
    EXPECT_EQ(m.ChInfo[1][5], -1);
    // A list led by "|" takes typed texts too; its items start after the bar.
    m.ChColList[8][0] = "|Off|BOT|EOT";
    type(1, 8, "BOT");
    EXPECT_EQ(m.ChInfo[1][8], 1);
    type(1, 8, "");
    EXPECT_EQ(m.ChInfo[1][8], -1);
}

TEST_F(GridEditTest, ANameKeepsOnlyTheAlphabet) {
    newChannel(6, "435");
    type(6, ColName, "ab!c日d");
    const Bytes name = bytes(model::map::ChNameAddr(6), 6);
    EXPECT_EQ(Bytes(name.begin(), name.begin() + 4), (Bytes{10, 11, 12, 13}));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(m.ChNameDat[6][i], name[i]);
    EXPECT_EQ(grid.text(6, ColName).substr(0, 4), "ABCD");
    EXPECT_EQ(grid.text(6, ColName).find('!'), std::string::npos);
}

TEST_F(GridEditTest, BeforeEditDecidesWhatCanBeEdited) {
    using channels::BeforeEdit;
    const app::ShellState& sh = app::shell();
    EXPECT_FALSE(BeforeEdit(m, sh, 2, ColRxFre).cancel);
    EXPECT_TRUE(BeforeEdit(m, sh, 2, ColTxFre).cancel); // an empty channel takes a receive frequency only
    EXPECT_TRUE(BeforeEdit(m, sh, 2, 6).cancel);
    newChannel(2, "435");
    type(2, ColTxFre, "x");
    EXPECT_TRUE(BeforeEdit(m, sh, 2, ColTxTone).cancel);
    const auto option = BeforeEdit(m, sh, 2, 6);
    EXPECT_FALSE(option.cancel);
    EXPECT_TRUE(option.hasComboList);
    EXPECT_EQ(option.comboList, "High|Low");
    EXPECT_EQ(option.mode, channels::EditMode::Keyboard);
    EXPECT_FALSE(BeforeEdit(m, sh, 2, ColRxFre).hasComboList);
    EXPECT_EQ(BeforeEdit(m, sh, 2, ColRxFre).mode, channels::EditMode::KeyboardMouse);
    // A locked grid opens no cell at all.
    app::shell().FaceLockState = "ShowLock";
    for (int col : {ColRxFre, ColTxFre, 6, ColName}) {
        EXPECT_FALSE(BeforeEdit(m, sh, 2, col).setMode);
        EXPECT_TRUE(BeforeEdit(m, sh, 2, col).cancel) << col;
    }
}

TEST_F(GridEditTest, ClickTargets) {
    using channels::ClickAction;
    using channels::ClickTarget;
    EXPECT_EQ(ClickAction(m, 3, 6), ClickTarget::EditRxFre);
    newChannel(3, "435");
    EXPECT_EQ(ClickAction(m, 3, ColRxTone), ClickTarget::OpenRxTone);
    EXPECT_EQ(ClickAction(m, 3, ColTxTone), ClickTarget::OpenTxTone);
    EXPECT_EQ(ClickAction(m, 3, 6), ClickTarget::EditCell);
    type(3, ColTxFre, "");
    EXPECT_EQ(ClickAction(m, 3, ColTxTone), ClickTarget::MoveToTxFre);
}

TEST_F(GridEditTest, DoubleClickStepsOptionsAndCopies) {
    newChannel(7, "435");
    for (int expected : {1, 2, 0}) {
        channels::DblClick(m, app::shell(), grid, 7, 8);
        EXPECT_EQ(m.ChInfo[7][8], expected);
        EXPECT_EQ(record(7)[12] & 0x03, expected); // encoded at once
    }
    EXPECT_EQ(grid.text(7, 8), "Off");
    m.ChInfo[7][8] = 5; // above the list
    channels::DblClick(m, app::shell(), grid, 7, 8);
    EXPECT_EQ(m.ChInfo[7][8], 0);

    commitTone(7, ColRxTone, "D023N");
    type(7, ColTxFre, "");
    const Bytes before = record(7);
    channels::DblClick(m, app::shell(), grid, 7, ColTxFre);
    EXPECT_EQ(m.ChInfo[7][ColTxFre], 43500000);
    EXPECT_EQ(grid.text(7, ColTxFre), "435");
    EXPECT_EQ(grid.text(7, ColTxTone), "D023N");
    EXPECT_EQ(m.ChCtdcs[7][1], "D023N");
    // The image follows at once: transmit frequency and tone in the record.
    Bytes copied = before;
    std::copy_n(before.begin(), 4, copied.begin() + 4);      // transmit = receive
    std::copy_n(before.begin() + 8, 2, copied.begin() + 10); // transmit tone = receive tone
    EXPECT_EQ(record(7), copied);

    grid.SetChGridText(7, ColName, "");
    channels::DblClick(m, app::shell(), grid, 7, ColName);
    EXPECT_EQ(grid.text(7, ColName), "CH-007");
}

TEST_F(GridEditTest, LockedEditsReachNeitherTableNorImage) {
    newChannel(8, "435");
    const auto table = m.ChInfo;
    const auto tones = m.ChCtdcs;
    const model::Image image = m.IicDat;
    app::shell().FaceLockState = "ShowLock";
    type(8, ColRxFre, "abc");
    type(9, ColRxFre, "440");
    type(8, 6, "Low");
    type(8, ColName, "ZZZ");
    channels::DblClick(m, app::shell(), grid, 8, 8);
    channels::OpenToneBox(m, s, grid, 8, ColRxTone);
    channels::CommitTone(m, s, app::shell(), grid, "88.5");
    EXPECT_EQ(m.ChInfo, table);
    EXPECT_EQ(m.ChCtdcs, tones);
    EXPECT_EQ(m.IicDat, image);
    // The typed text stays on screen until the next redisplay.
    EXPECT_EQ(grid.text(8, 6), "Low");
}

TEST_F(GridEditTest, ABadColumnDefaultEndsTheEditAndIsReported) {
    m.ChColList[6][2] = "x";
    newChannel(3, "435");
    EXPECT_TRUE(wasReported("frmChMem->vsfgGridCh_AfterEdit:"));
    EXPECT_EQ(m.ChInfo[3][ColRxFre], 43500000);
    EXPECT_EQ(record(3)[3], 0xFF); // not encoded
}

// ---- The tone drop-down ----

struct ToneCase {
    const char* typed;
    const char* stored; // nullptr: not a tone
};
class ToneText : public ::testing::TestWithParam<ToneCase> {};
TEST_P(ToneText, Normalised) {
    auto got = channels::NormalizeTone(GetParam().typed);
    if (GetParam().stored)
        EXPECT_EQ(got, std::optional<std::string>(GetParam().stored)) << GetParam().typed;
    else
        EXPECT_FALSE(got) << GetParam().typed;
}
INSTANTIATE_TEST_SUITE_P(
    , ToneText,
    ::testing::Values(ToneCase{"88.5", "88.5"}, ToneCase{"67", "67.0"}, ToneCase{"254.1", "254.1"},
                      ToneCase{"67.04", "67.0"}, ToneCase{"265", "265.0"}, ToneCase{"60", "60.0"},
                      ToneCase{"23", nullptr}, ToneCase{"023", "D023N"}, ToneCase{"754", "D754N"},
                      ToneCase{"023i", "D023I"}, ToneCase{"D023n", "D023N"}, ToneCase{"D023", "D023N"},
                      ToneCase{"D023X", "D023N"}, ToneCase{"D023I", "D023I"}, ToneCase{"d023n", nullptr},
                      ToneCase{"D089N", nullptr}, ToneCase{"D8", nullptr}, ToneCase{"", nullptr},
                      ToneCase{"None", nullptr}));

// Enter in the drop-down stores as the commit does and leads on from the
// receive tone to the transmit tone, where the channel transmits.
TEST_F(GridEditTest, EnterOnAReceiveToneLeadsOnToTheTransmitTone) {
    newChannel(2, "435");
    newChannel(3, "436");
    m.ChInfo[3][ColTxFre] = model::NoFre;
    const struct {
        int ch, col;
        std::pair<int, int> current;
    } cases[] = {
        {2, ColRxTone, {2, ColTxTone}}, {2, ColTxTone, {2, ColTxTone}}, {3, ColRxTone, {3, ColRxTone}}};
    for (const auto& c : cases) {
        channels::OpenToneBox(m, s, grid, c.ch, c.col);
        channels::EnterTone(m, s, app::shell(), grid, "100");
        EXPECT_EQ(m.ChCtdcs[c.ch][c.col == ColRxTone ? 0 : 1], "100.0") << c.ch << " " << c.col;
        EXPECT_EQ(grid.current, c.current) << c.ch << " " << c.col;
        EXPECT_EQ(s.CtdcsEditCol, 0);
    }
    // Locked, nothing is stored and the cell stays current.
    app::shell().FaceLockState = "ShowLock";
    channels::OpenToneBox(m, s, grid, 2, ColRxTone);
    channels::EnterTone(m, s, app::shell(), grid, "67");
    EXPECT_EQ(m.ChCtdcs[2][0], "100.0");
    EXPECT_EQ(grid.current, std::make_pair(2, ColRxTone));
}

TEST_F(GridEditTest, AReceiveToneSetsBothTones) {
    newChannel(2, "435");
    channels::OpenToneBox(m, s, grid, 2, ColRxTone);
    EXPECT_EQ(grid.ctdcsText, "None");
    EXPECT_EQ(s.CtdcsEditRow, 2);
    EXPECT_EQ(s.CtdcsEditCol, ColRxTone);
    const int hidden = grid.hidden;
    channels::CommitTone(m, s, app::shell(), grid, "67");
    EXPECT_EQ(grid.ctdcsText, "67.0");
    EXPECT_EQ(m.ChCtdcs[2][0], "67.0");
    EXPECT_EQ(m.ChCtdcs[2][1], "67.0");
    EXPECT_EQ(grid.text(2, ColRxTone), "67.0");
    EXPECT_EQ(grid.text(2, ColTxTone), "67.0");
    EXPECT_EQ(grid.hidden, hidden + 1);
    const Bytes r = record(2);
    EXPECT_EQ(Bytes(r.begin() + 8, r.begin() + 12), (Bytes{0x9E, 0x02, 0x9E, 0x02}));
    // The commit forgets the cell: a second commit stores nothing.
    EXPECT_EQ(s.CtdcsEditCol, 0);
    channels::CommitTone(m, s, app::shell(), grid, "88.5");
    EXPECT_EQ(m.ChCtdcs[2][0], "67.0");

    // A transmit tone alone; an invalid text stores the off text.
    commitTone(2, ColTxTone, "D754I");
    EXPECT_EQ(m.ChCtdcs[2][1], "D754I");
    EXPECT_EQ(m.ChCtdcs[2][0], "67.0");
    commitTone(2, ColRxTone, "d023n");
    EXPECT_EQ(m.ChCtdcs[2][0], "None");
    EXPECT_EQ(grid.ctdcsText, "67.0"); // an invalid text is not written back
}

TEST_F(GridEditTest, AToneForAChannelWithTransmitOffKeepsTransmitEmpty) {
    newChannel(2, "435");
    type(2, ColTxFre, "");
    commitTone(2, ColRxTone, "88.5");
    EXPECT_EQ(m.ChCtdcs[2][0], "88.5");
    EXPECT_EQ(m.ChCtdcs[2][1], "");
    EXPECT_EQ(grid.text(2, ColTxTone), "");
    EXPECT_EQ(m.ChInfo[2][ColTxFre], model::NoFre);
}

TEST_F(GridEditTest, AToneForARowWithoutReceiveFrequencyClearsIt) {
    newChannel(2, "435");
    grid.SetChGridText(2, ColRxFre, "");
    commitTone(2, ColRxTone, "88.5");
    EXPECT_EQ(m.ChInfo[2][ColRxFre], model::NoFre);
    EXPECT_EQ(grid.text(2, ColRxTone), "");
    EXPECT_EQ(grid.colour(2, ColRxTone), EmptyColour);
    EXPECT_EQ(m.ChCtdcs[2][0], "");
    EXPECT_EQ(record(2)[3], 0xFF);
}

// ---- Showing the table ----

TEST_F(GridEditTest, ShowChTblGridShowsTheImageAndForgetsAPendingTone) {
    newChannel(1, "435");
    commitTone(1, ColRxTone, "88.5");
    newChannel(2, "445.5");
    type(2, ColTxFre, "");
    newChannel(3, "450");
    type(3, 6, "Low");
    type(3, ColName, "RPT");
    channels::OpenToneBox(m, s, grid, 3, ColTxTone); // pending, then a load
    // Another set of cells, as a fresh grid would hold them.
    grid.cells.clear();
    channels::ShowChTblGrid(m, s, app::shell(), grid);
    EXPECT_EQ(s.CtdcsEditCol, 0);
    EXPECT_EQ(s.CtdcsEditRow, 0);
    EXPECT_EQ(grid.text(1, ColRxFre), "435");
    EXPECT_EQ(grid.colour(1, ColRxFre), OtherColour);
    EXPECT_EQ(grid.text(1, ColRxTone), "88.5");
    EXPECT_EQ(grid.text(1, ColTxTone), "88.5");
    EXPECT_EQ(grid.text(2, ColRxFre), "445.5");
    EXPECT_EQ(grid.text(2, ColTxFre), "");
    EXPECT_EQ(grid.text(2, ColTxTone), "");
    EXPECT_EQ(grid.text(3, 6), "Low");
    EXPECT_EQ(grid.text(3, ColName), "RPT   ");
    for (int c = 1; c <= m.ChColCount; ++c) EXPECT_EQ(grid.text(4, c), "") << c;
    EXPECT_TRUE(reported.empty());
}

// A layout of fewer columns, none at all included, shows the ones it has and
// reports nothing; decoding and encoding keep every channel byte for byte.
TEST_F(GridEditTest, ALayoutOfFewerColumnsShowsTheOnesItHas) {
    newChannel(1, "435");
    commitTone(1, ColRxTone, "88.5");
    newChannel(2, "445.5");
    type(2, 6, "Low");
    type(2, ColName, "RPT");
    const model::Image image = m.IicDat;
    for (int cols : {0, 2, 4}) {
        m.ChColCount = static_cast<std::int16_t>(cols);
        grid.cells.clear();
        channels::ShowChTblGrid(m, s, app::shell(), grid);
        EXPECT_TRUE(reported.empty()) << cols << " columns: " << reported.size() << " reported";
        EXPECT_EQ(grid.cells.size(), std::size_t(16 * cols)) << cols; // every cell it has, no other
        if (cols >= ColTxFre) {
            EXPECT_EQ(grid.text(2, ColTxFre), "445.5");
        }
        if (cols >= ColTxTone) {
            EXPECT_EQ(grid.text(1, ColTxTone), "88.5");
        }
        EXPECT_EQ(m.ChInfo[2][6], 1) << cols; // the table holds the fields no column shows
        model::ChInfoToIicDat(m);
        EXPECT_TRUE(m.IicDat == image) << cols;
    }
}

} // namespace
} // namespace channelstest

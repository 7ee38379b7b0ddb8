// The channel grid laid out from a settings file whose layout has no data
// column: the program starts with a grid of the channel numbers alone, loads
// and saves its channels byte for byte and reports nothing, in each language.
#include "channels/ui/ChannelPage.h"
#include "model/ImageMap.h"
#include "model/Model.h"

#include "app/DataFile.h"
#include "app/Settings.h"
#include "tests/program/ProgramFixture.h"
#include "tests/support/LanguageRows.h"

#include <QHeaderView>
#include <QTableView>
#include <QtTest>

namespace {

model::ModelState& m() {
    return model::state();
}

// Channels 1-3 at 433.0125 MHz and up, with tones and option bits set;
// channel 2 with transmit off.
void addChannels(model::Image& image) {
    const std::uint8_t records[3][16] = {
        {0x50, 0x12, 0x30, 0x43, 0x50, 0x12, 0x30, 0x43, 0x75, 0x03, 0x75, 0x03, 0x20, 0x10, 0x20, 0x20},
        {0x00, 0x25, 0x30, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x13, 0x28, 0xFF, 0xFF, 0x10, 0x10, 0x20, 0x20},
        {0x50, 0x37, 0x30, 0x43, 0x00, 0x00, 0x40, 0x43, 0xFF, 0xFF, 0x9E, 0x02, 0x00, 0x10, 0x20, 0x20}};
    for (int ch = 1; ch <= 3; ++ch) {
        std::copy_n(records[ch - 1], 16,
                    image.begin() + static_cast<std::ptrdiff_t>(model::map::ChRecordAddr(ch)));
        const std::uint8_t name[6] = {12, 17, 43, 0, 0, static_cast<std::uint8_t>(ch)};
        std::copy_n(name, 6, image.begin() + static_cast<std::ptrdiff_t>(model::map::ChNameAddr(ch)));
    }
}

// The channel records and their names.
std::vector<std::uint8_t> channelArea(const model::Image& image) {
    const auto from = image.begin() + static_cast<std::ptrdiff_t>(model::map::ChRecordAddr(1));
    return {from, from + 0x1800};
}

// The program started with those channels and a layout without the data
// column; its failures logged from the start on.
struct Started : programtest::StartedProgram {
    explicit Started(int lang)
        : programtest::StartedProgram(lang, addChannels,
                                      {{"ChInfo", std::to_string(app::ChInfoBase(lang) + 2), "0"}}) {}
};

} // namespace

class ChGridLayoutWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void noDataColumn_data() { testsupport::languageRows(); }
    void noDataColumn() {
        QFETCH(int, lang);
        Started p(lang);
        const model::Image loaded = m().IicDat;
        platform::Grid& grid = *p.chMem->channelPage().vsfgGridCh;
        QCOMPARE(m().ChColCount, std::int16_t(0));
        QCOMPARE(grid.cols(), 1);
        QCOMPARE(grid.rows(), 257);
        QCOMPARE(grid.textMatrix(3, 0), QString("3"));
        QCOMPARE(m().ChInfo[1][1], 43301250);
        QCOMPARE(m().ChInfo[2][2], model::NoFre);
        QCOMPARE(m().ChCtdcs[3][1], std::string("67.0"));

        // A click on a channel number changes nothing.
        QHeaderView* numbers = grid.view()->verticalHeader();
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                          QPoint(numbers->width() / 2, numbers->sectionViewportPosition(1) + 3));
        QVERIFY(m().IicDat == loaded);

        // Saved, every channel keeps its bytes.
        const std::string file = p.home.file("Data/none.LDat");
        p.dialogs.files.push_back(file);
        programtest::choose(*p.main, "mnuFileSaveAs");
        QCOMPARE(app::shell().CurFilePath, file);
        model::Image saved{};
        app::ReadDataFile(file, saved);
        QVERIFY(channelArea(m().IicDat) == channelArea(loaded));
        QVERIFY(channelArea(saved) == channelArea(loaded));
        QCOMPARE(p.errors.tags, std::vector<std::string>{});
    }
};

QTEST_MAIN(ChGridLayoutWindowTest)
#include "ChGridLayoutWindowTest.moc"

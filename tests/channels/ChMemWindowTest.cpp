// The channel window on the offscreen platform, driven by mouse and key
// events: what each edit leaves in the grid, the channel table and the
// channel records, band presets, File New and Open, and the lock.
#include "channels/AlignmentAccessHost.h"
#include "channels/ChMem.h"
#include "channels/ui/ChannelPage.h"
#include "channels/ui/frmChMem.h"
#include "channels/ui/frmCustomFre.h"
#include "model/Bands.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "model/NameFields.h"

#include "app/DataFile.h"
#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "link/ui/frmCommun.h"
#include "platform/IniFile.h"
#include "platform/ui/QtDialogs.h"
#include "shell/FileCommands.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/program/ProgramFixture.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"
#include "tests/support/QuickClicks.h"
#include "tests/support/Screenshot.h"
#include "tests/support/ScriptedDialogs.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <memory>

using channels::ColName;
using channels::ColRxFre;
using channels::ColRxTone;
using channels::ColTxFre;
using channels::ColTxTone;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr long OtherBand = 0x000040C0;
constexpr long Band1 = 0x00FF0000;

model::ModelState& m() {
    return model::state();
}

// Packed BCD, lowest digit pair first.
void putFre(model::Image& image, std::size_t at, std::int32_t f) {
    for (int i = 0; i < 4; ++i) {
        const int pair = f % 100;
        f /= 100;
        image[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((pair / 10) << 4 | (pair % 10));
    }
}

// A channel record as the radio keeps it: frequencies, tone codes, option
// bits clear and a name of alphabet codes.
void putChannel(model::Image& image, int ch, std::int32_t rx, std::int32_t tx, std::uint16_t tone,
                const Bytes& name) {
    const std::size_t r = model::map::ChRecordAddr(ch);
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(r), 16, 0x00);
    putFre(image, r, rx);
    putFre(image, r + 4, tx);
    for (std::size_t at : {r + 8, r + 10}) {
        image[at] = static_cast<std::uint8_t>(tone & 0xFF);
        image[at + 1] = static_cast<std::uint8_t>(tone >> 8);
    }
    std::copy(name.begin(), name.end(),
              image.begin() + static_cast<std::ptrdiff_t>(model::map::ChNameAddr(ch)));
}

// Channels 1 to count in 400-470 MHz.
void addChannels(model::Image& image, int count) {
    for (int ch = 1; ch <= count; ++ch) {
        const std::int32_t rx = 43000000 + 12500 * ch;
        putChannel(image, ch, rx, ch % 4 == 0 ? rx + 500000 : rx, ch % 3 == 0 ? 0x2813 : 670 + 10 * ch,
                   {12, 17, 43, 0, static_cast<std::uint8_t>(ch / 10), static_cast<std::uint8_t>(ch % 10)});
    }
}

// The shipped default image with count channels.
model::Image imageWithChannels(const std::string& defaultImage, int count) {
    model::Image image{};
    app::ReadDataFile(defaultImage, image);
    addChannels(image, count);
    return image;
}

// A fresh program folder whose default image holds a dozen channels, and the
// channel window started as the program starts it.
struct Window : testsupport::FreshStart {
    testsupport::ScriptedDialogs dialogs;
    testsupport::ErrorLog errors;
    std::vector<std::string>& reported = errors.tags;
    std::unique_ptr<channels::frmChMem> w;
    QElapsedTimer sinceClick; // from the end of the last click or double click

    Window() {
        testsupport::useQuickDoubleClicks();
        auto& s = app::shell();
        s.SettingsFile = home.file("tavorin.def");
        s.LangIndex = 3;
        app::InitFaceText(s);
        for (const char* f : {"tavorin.def", "zezirev.def", "DefRadioSet.def"}) home.copyShipped(f);
        app::WriteDataFile(home.file("zezirev.def"), imageWithChannels(home.file("zezirev.def"), 12));
        shell::GenerateDatFolder();
        s.EmptyCellColor = app::ReadSetting(app::keys::DefColor);
        model::GetValidCharTbl(m());
        w = std::make_unique<channels::frmChMem>();
        s.Band1Color = std::to_string(w->bandBoxForeColor(0));
        s.OtherBandColor = std::to_string(w->bandBoxForeColor(2));
        w->InitChMem();
        // No roomier than the main window at its start size.
        w->resize(881, 639);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    ~Window() { w.reset(); }

    platform::Grid& grid() { return *w->channelPage().vsfgGridCh; }
    QString cell(int row, int col) { return grid().textMatrix(row, col); }
    QColor colour(int row, int col) { return grid().cellForeColor(row, col); }
    Bytes record(int ch) {
        const auto at = m().IicDat.begin() + static_cast<std::ptrdiff_t>(model::map::ChRecordAddr(ch));
        return {at, at + 16};
    }
    Bytes name(int ch) {
        const auto at = m().IicDat.begin() + static_cast<std::ptrdiff_t>(model::map::ChNameAddr(ch));
        return {at, at + 6};
    }

    // Each click is a click of its own: it comes more than a double-click
    // interval after the click before it in this window.
    void pauseAfterLastClick() {
        if (!sinceClick.isValid()) return;
        const qint64 left = QApplication::doubleClickInterval() + 20 - sinceClick.elapsed();
        if (left > 0) QTest::qWait(static_cast<int>(left));
    }
    // Clicks one cell as the user does.
    void click(int row, int col) {
        pauseAfterLastClick();
        grid().showCell(row, col);
        QTest::mouseClick(grid().container(), Qt::LeftButton, {}, grid().cellRect(row, col).center());
        sinceClick.start();
    }
    void doubleClick(int row, int col) {
        pauseAfterLastClick();
        grid().showCell(row, col);
        const QPoint at = grid().cellRect(row, col).center();
        QTest::mouseClick(grid().container(), Qt::LeftButton, {}, at);
        // The second press lands on whatever the first click opened there.
        QWidget* target = grid().container()->childAt(at);
        if (!target) target = grid().container();
        const QPointF local = target->mapFrom(grid().container(), at);
        QMouseEvent second(QEvent::MouseButtonDblClick, local, target->mapToGlobal(local), Qt::LeftButton,
                           Qt::LeftButton, {});
        QApplication::sendEvent(target, &second);
        sinceClick.start();
    }
    // Clicks a cell and types into the editor the click opened.
    bool type(int row, int col, const QString& text) {
        click(row, col);
        QWidget* editor = grid().editor();
        if (!editor) return false;
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        return QTest::qWaitFor([this] { return !grid().isEditing(); });
    }
};

// The program started as a user starts it, with a dozen channels in its
// default image.
struct Program : programtest::StartedProgram {
    explicit Program(int lang)
        : programtest::StartedProgram(lang, [](model::Image& image) { addChannels(image, 12); }) {}
};

} // namespace

class ChMemWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startUpShowsTheDefaultImage() {
        Window t;
        QCOMPARE(t.w->windowTitle(), QString("400 - 470 MHz"));
        QCOMPARE(t.w->channelPage().cboFrequency->currentIndex(), 7);
        QCOMPARE(t.w->channelPage().cboFrequency->count(), 15);
        QCOMPARE(t.w->channelPage().cboFrequency->itemText(14), QString("Custom"));
        QCOMPARE(t.grid().rows(), 257);
        QCOMPARE(t.grid().cols(), 19);
        QCOMPARE(t.cell(0, 1), QString("RX Freq"));
        QCOMPARE(t.cell(0, 18), QString("Talk Around"));
        QCOMPARE(t.cell(256, 0), QString("256"));
        QCOMPARE(t.cell(1, ColRxFre), QString("430.125"));
        QCOMPARE(t.cell(1, ColRxTone), QString("68.0"));
        QCOMPARE(t.cell(3, ColRxTone), QString("D023N"));
        QCOMPARE(t.cell(4, ColTxFre), QString("435.5"));
        QCOMPARE(t.cell(12, ColName), QString("CH-012"));
        QCOMPARE(t.cell(12, 6), QString("High"));
        QCOMPARE(t.colour(1, ColRxFre), platform::colorFromNumber(OtherBand));
        QCOMPARE(t.cell(13, ColRxFre), QString());
        QCOMPARE(m().IicDat[model::map::ModelByte], std::uint8_t(0));
        QVERIFY(t.w->channelPage().cboGridChCtdcs->isHidden());
        QCOMPARE(t.w->channelPage().cboGridChCtdcs->count(), 261);
        QVERIFY(t.reported.empty());
    }

    // Every column fits its header and its option texts in the grid's font.
    void columnsFitTheirTexts() {
        QStringList tooNarrow;
        for (int lang : {1, 2, 3}) {
            Window t;
            app::shell().LangIndex = static_cast<std::int16_t>(lang);
            t.w->InitChMem();
            QFontMetrics metrics(t.grid().view()->font());
            for (int c = 0; c < t.grid().cols(); ++c) {
                int widest = metrics.horizontalAdvance(t.cell(0, c));
                if (c >= channels::FirstOptionCol && c != ColName)
                    for (std::size_t k = 3; k < model::ChColListItems; ++k)
                        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(
                                                      m().ChColList[static_cast<std::size_t>(c)][k])));
                const int width =
                    c == 0 ? t.grid().view()->verticalHeader()->width() : t.grid().view()->columnWidth(c - 1);
                if (widest + 10 > width)
                    tooNarrow << QString("language %1 column %2 needs %3 twips")
                                     .arg(lang)
                                     .arg(c)
                                     .arg((widest + 10) * 15);
            }
        }
        QVERIFY2(tooNarrow.isEmpty(), qPrintable(tooNarrow.join("; ")));
    }

    void typingFrequencies_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("bcd");
        QTest::newRow("inside band 2") << "445.5" << 44550000 << "445.5" << QByteArray("\x00\x00\x55\x44", 4);
        QTest::newRow("off the raster")
            << "435.0031" << 43500250 << "435.0025" << QByteArray("\x50\x02\x50\x43", 4);
        QTest::newRow("below both bands") << "300" << 40000000 << "400" << QByteArray("\x00\x00\x00\x40", 4);
        QTest::newRow("above both bands")
            << "470" << 46999500 << "469.995" << QByteArray("\x00\x95\x99\x46", 4);
    }
    void typingFrequencies() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(QByteArray, bcd);
        Window t;
        // A new channel in an empty row.
        QVERIFY(t.type(20, ColRxFre, typed));
        QCOMPARE(m().ChInfo[20][ColRxFre], stored);
        QCOMPARE(m().ChInfo[20][ColTxFre], stored);
        QCOMPARE(t.cell(20, ColRxFre), shown);
        QCOMPARE(t.cell(20, ColTxFre), shown);
        QCOMPARE(t.colour(20, ColRxFre), platform::colorFromNumber(OtherBand));
        QCOMPARE(t.cell(20, ColRxTone), QString("None"));
        QCOMPARE(t.cell(20, ColName), QString("CH-020"));
        const Bytes r = t.record(20);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(r.data()), 4), bcd);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(r.data() + 4), 4), bcd);
        QCOMPARE(t.name(20), (Bytes{12, 17, 43, 0, 2, 0}));
        QCOMPARE(t.grid().row(), 20);
        QCOMPARE(t.grid().col(), ColTxFre);
    }

    void aFrequencyInsideBand1TakesItsColour() {
        Window t;
        // Band 1 as a band of its own (the refresh keeps it a placeholder).
        m().ValidFreRange[0] = 13600000;
        m().ValidFreRange[1] = 17399500;
        m().ValidFreRange[3] = 17400000;
        QVERIFY(t.type(2, ColRxFre, "150.0125"));
        QCOMPARE(m().ChInfo[2][ColRxFre], 15001250);
        QCOMPARE(t.colour(2, ColRxFre), platform::colorFromNumber(Band1));
    }

    void textThatIsNoNumberDeletesTheChannel() {
        Window t;
        QVERIFY(t.type(5, ColRxFre, "gone"));
        for (int c = 1; c < t.grid().cols(); ++c) {
            QCOMPARE(t.cell(5, c), QString());
            QCOMPARE(m().ChInfo[5][c], -1);
        }
        QCOMPARE(t.colour(5, ColRxFre), platform::colorFromNumber(0));
        QCOMPARE(t.colour(5, 6), platform::colorFromNumber(0));
        const Bytes r = t.record(5);
        QCOMPARE(Bytes(r.begin(), r.begin() + 8), Bytes(8, 0xFF));
        // The next row is untouched.
        QCOMPARE(m().ChInfo[6][ColRxFre], 43075000);
    }

    void tonesFromTheListAndTyped() {
        Window t;
        t.click(2, ColRxTone);
        QComboBox* box = t.w->channelPage().cboGridChCtdcs;
        QVERIFY(box->isVisible());
        QCOMPARE(box->geometry(), t.grid().cellRect(2, ColRxTone));
        QCOMPARE(box->currentText(), QString("69.0"));
        QCOMPARE(channels::chMem().CtdcsEditCol, ColRxTone);
        // The user picks 88.5 Hz from the list.
        const int item = box->findText("88.5");
        box->setCurrentIndex(item);
        emit box->activated(item);
        QVERIFY(box->isHidden());
        QCOMPARE(t.cell(2, ColRxTone), QString("88.5"));
        QCOMPARE(t.cell(2, ColTxTone), QString("88.5"));
        const Bytes chosen = t.record(2);
        QCOMPARE(Bytes(chosen.begin() + 8, chosen.begin() + 12), (Bytes{0x75, 0x03, 0x75, 0x03}));

        // The user types an inverted DCS code and clicks another cell.
        t.click(2, ColTxTone);
        QVERIFY(box->isVisible());
        QTest::keyClicks(box->lineEdit(), "023i");
        t.click(7, ColName);
        QCOMPARE(t.cell(2, ColTxTone), QString("D023I"));
        QCOMPARE(t.cell(2, ColRxTone), QString("88.5"));
        QCOMPARE(m().ChCtdcs[2][1], "D023I");
        const Bytes typed = t.record(2);
        QCOMPARE(Bytes(typed.begin() + 10, typed.begin() + 12), (Bytes{0x13, 0xA8}));
        QCOMPARE(channels::chMem().CtdcsEditCol, 0);
    }

    void aNameWithCharactersOutsideTheAlphabet() {
        Window t;
        QVERIFY(t.type(3, ColName, "ab!c?"));
        const Bytes n = t.name(3);
        QCOMPARE(Bytes(n.begin(), n.begin() + 3), (Bytes{10, 11, 12}));
        QCOMPARE(Bytes(n.begin(), n.end()), Bytes(m().ChNameDat[3].begin(), m().ChNameDat[3].begin() + 6));
        QVERIFY(t.cell(3, ColName).startsWith("ABC"));
        QVERIFY(!t.cell(3, ColName).contains('!'));
    }

    void optionsFromTheListAndByDoubleClick() {
        Window t;
        t.click(3, 8);
        auto* list = qobject_cast<QComboBox*>(t.grid().editor());
        QVERIFY(list);
        QCOMPARE(list->count(), 3);
        list->setCurrentIndex(2);
        emit list->activated(2);
        QVERIFY(!t.grid().isEditing());
        QCOMPARE(t.cell(3, 8), QString("EOT"));
        QCOMPARE(m().ChInfo[3][8], 2);
        QCOMPARE(t.record(3)[12] & 0x03, 0x02);
        t.doubleClick(3, 8);
        QCOMPARE(m().ChInfo[3][8], 0);
        QCOMPARE(t.cell(3, 8), QString("Off"));
        QVERIFY(!t.grid().isEditing());

        // Transmit off, then a double click copies the receive side back.
        QVERIFY(t.type(4, ColTxFre, "-"));
        QCOMPARE(t.cell(4, ColTxFre), QString());
        t.doubleClick(4, ColTxFre);
        QCOMPARE(t.cell(4, ColTxFre), QString("430.5"));
        QCOMPARE(m().ChInfo[4][ColTxFre], 43050000);

        // A double click on the receive tone copies the transmit tone; the
        // drop-down stays on the cell with the copied tone.
        t.doubleClick(3, ColRxTone);
        QVERIFY(t.w->channelPage().cboGridChCtdcs->isVisible());
        QCOMPARE(t.w->channelPage().cboGridChCtdcs->currentText(), QString("D023N"));
        QCOMPARE(m().ChCtdcs[3][0], "D023N");
    }

    void aPresetChangeLoadsTheDefaultImageWithoutAnOldTone() {
        Window t;
        QVERIFY(t.type(1, ColRxFre, "440")); // an unsaved edit
        t.click(2, ColRxTone);
        QTest::keyClicks(t.w->channelPage().cboGridChCtdcs->lineEdit(), "D754N"); // pending, not committed
        t.w->channelPage().cboFrequency->setCurrentIndex(8);
        emit t.w->channelPage().cboFrequency->activated(8);
        QCOMPARE(t.w->windowTitle(), QString("400 - 480 MHz"));
        QCOMPARE(m().ValidFreRange[7], 48000000);
        QCOMPARE(t.cell(1, ColRxFre), QString("430.125"));
        QCOMPARE(t.cell(2, ColRxTone), QString("69.0"));
        // Save and Write commit first: nothing stale is stored.
        const model::Image image = m().IicDat;
        t.w->cboGridChCtdcs_LostFocus();
        QCOMPARE(m().ChCtdcs[2][0], "69.0");
        QVERIFY(m().IicDat == image);
    }

    void fileNewAndOpenShowTheNewImage() {
        Window t;
        // A file of our own with other channels.
        model::Image other = imageWithChannels(t.home.file("DefRadioSet.def"), 3);
        putChannel(other, 2, 46012500, 46012500, 0xA813, {23, 23, 23, 36, 36, 36});
        const std::string file = t.home.file("Data/other.LDat");
        app::WriteDataFile(file, other);

        t.click(2, ColRxTone);
        QTest::keyClicks(t.w->channelPage().cboGridChCtdcs->lineEdit(), "100");
        shell::OpenFile(file, m());
        QCOMPARE(t.cell(2, ColRxFre), QString("460.125"));
        QCOMPARE(t.cell(2, ColRxTone), QString("D023I"));
        QCOMPARE(t.cell(2, ColName), QString("NNN   "));
        QCOMPARE(t.cell(4, ColRxFre), QString());
        QCOMPARE(app::shell().CurFilePath, file);
        t.w->cboGridChCtdcs_LostFocus();
        QCOMPARE(m().ChCtdcs[2][0], "D023I");

        t.dialogs.answers.push_back(platform::AnswerYes);
        shell::NewFile(m());
        QCOMPARE(t.cell(2, ColRxFre), QString("430.25"));
        QCOMPARE(t.cell(12, ColRxFre), QString("431.5"));
        QCOMPARE(app::shell().CurFilePath, app::shell().DefFilePath);
    }

    void restoreDefaultsOpensTheDefaultsFile() {
        Window t;
        t.w->channelPage().cmdPc[0]->click();
        QCOMPARE(app::shell().CurFilePath, t.home.file("DefRadioSet.def"));
        QCOMPARE(t.cell(1, ColRxFre), QString()); // the shipped defaults hold no channel
    }

    void fifthButtonAsksTheAlignmentToolsAndChangesNothing() {
        Window t;
        const model::Image before = m().IicDat;
        t.w->channelPage().cmdPc[4]->click(); // nothing registered: nothing happens
        struct Alignment : channels::AlignmentAccessHost {
            void OpenAlignmentWindow() override { ++opened; }
            int opened = 0;
        } alignment;
        platform::Host<channels::AlignmentAccessHost>::Scoped registered(alignment);
        t.w->channelPage().cmdPc[4]->click();
        QCOMPARE(alignment.opened, 1);
        QVERIFY(t.w->channelPage().cmdPc[4]->text().isEmpty());
        QVERIFY(m().IicDat == before);
        QVERIFY(t.reported.empty());
    }

    void deleteGroupChannelEmptiesEveryChannel() {
        Window t;
        t.w->channelPage().cmdPc[1]->click();
        for (int ch : {1, 12, 256}) {
            QCOMPARE(t.cell(ch, ColRxFre), QString());
            QCOMPARE(m().ChInfo[ch][ColRxFre], model::NoFre);
            QCOMPARE(t.record(ch), Bytes(16, 0xFF));
            QCOMPARE(t.name(ch), Bytes(6, 0xFF));
        }
    }

    void theLockKeepsEveryEditOut() {
        Window t;
        t.w->setGridSelectionColor(t.w->ChGridBackColor());
        t.w->setSysSetFramesEnabled(false);
        app::shell().FaceLockState = "ShowLock";
        const auto table = m().ChInfo;
        const auto tones = m().ChCtdcs;
        const model::Image image = m().IicDat;

        // No cell opens, by mouse or by keyboard: nothing typed stays on screen.
        const QString shown = t.cell(2, ColRxFre);
        t.click(2, ColRxFre);
        QVERIFY(!t.grid().isEditing());
        t.grid().setCurrentCell(2, ColRxFre);
        t.grid().view()->setFocus();
        QTest::keyClicks(t.grid().view(), "4");
        QTest::keyClick(t.grid().view(), Qt::Key_F2);
        QVERIFY(!t.grid().isEditing());
        QVERIFY(!t.grid().editor());
        QTest::keyClick(t.grid().view(), Qt::Key_Return);
        QCOMPARE(t.cell(2, ColRxFre), shown);
        t.doubleClick(3, 8);
        t.click(3, ColRxTone);
        QVERIFY(t.w->channelPage().cboGridChCtdcs->isHidden());
        t.w->cboGridChCtdcs_LostFocus();
        QVERIFY(m().ChInfo == table);
        QVERIFY(m().ChCtdcs == tones);
        QVERIFY(m().IicDat == image);
        QVERIFY(!t.w->channelPage().fraPc0->isEnabled());
        QVERIFY(t.grid().isEnabled());
        QCOMPARE(t.grid().selectionColor(), t.grid().backColor());
    }

    void customBandCancelledChangesNothing() {
        Window t;
        QVERIFY(t.type(1, ColRxFre, "440"));
        const model::Image image = m().IicDat;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<channels::frmCustomFre*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->txtFreMin->text(), QString("400"));
            dialog->cmdCancel->click();
        });
        t.w->channelPage().cboFrequency->setCurrentIndex(14);
        emit t.w->channelPage().cboFrequency->activated(14);
        QVERIFY(m().IicDat == image);
        QCOMPARE(t.cell(1, ColRxFre), QString("440"));
        QCOMPARE(t.w->channelPage().cboFrequency->currentIndex(), 7);
    }

    void customBandRefusesBadInputThenTakesAGoodOne() {
        Window t;
        app::shell().CurFilePath = "somewhere.LDat";
        QTimer::singleShot(0, [&t] {
            auto* dialog = qobject_cast<channels::frmCustomFre*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->txtFreMin->setText("150");
            dialog->txtFreMax->setText("150.5"); // no room for a channel
            dialog->cmdOk->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(t.dialogs.asked.size(), std::size_t(1));
            QCOMPARE(app::shell().CurFilePath, std::string("somewhere.LDat"));
            QCOMPARE(t.w->FreBandText(2), std::string("400.00000"));
            dialog->txtFreMax->setText("160");
            dialog->cmdOk->click();
        });
        t.w->channelPage().cboFrequency->setCurrentIndex(14);
        emit t.w->channelPage().cboFrequency->activated(14);
        QCOMPARE(t.w->windowTitle(), QString("Custom  150 - 160 MHz"));
        QCOMPARE(m().ValidFreRange[4], 15000000);
        QCOMPARE(m().ValidFreRange[5], 15999500);
        QCOMPARE(app::shell().CurFilePath, app::shell().DefFilePath);
        // The default image's channels lie outside the new band.
        QCOMPARE(t.cell(1, ColRxFre), QString());
        QVERIFY(t.type(1, ColRxFre, "155"));
        QCOMPARE(m().ChInfo[1][ColRxFre], 15500000);
    }

    void theWindowDoesNotCloseUntilTheProgramDoes() {
        Window t;
        t.w->close();
        QVERIFY(t.w->isVisible());
        app::shell().AppClosing = 1;
        t.w->close();
        QVERIFY(!t.w->isVisible());
    }

    void insideTheMainWindow() {
        Program p(3);
        platform::Grid& grid = *p.chMem->channelPage().vsfgGridCh;
        QCOMPARE(grid.textMatrix(1, ColRxFre), QString("430.125"));
        QCOMPARE(grid.textMatrix(12, ColName), QString("CH-012"));
        QCOMPARE(app::shell().Band1Color, std::string("16711680"));
        QCOMPARE(app::shell().OtherBandColor, std::string("16576"));
        QCOMPARE(grid.cellForeColor(1, ColRxFre), platform::colorFromNumber(OtherBand));
        // The band the channel window holds shows in the title.
        QCOMPARE(p.main->windowTitle(), QString("VOLKAR Radio Software - [400 - 470 MHz]"));
        p.chMem->channelPage().cboFrequency->setCurrentIndex(11);
        emit p.chMem->channelPage().cboFrequency->activated(11);
        QCOMPARE(p.main->windowTitle(), QString("VOLKAR Radio Software - [470 - 520 MHz]"));
        p.main->resize(p.main->size() + QSize(40, 30));
        QCoreApplication::processEvents();
        QCOMPARE(p.main->windowTitle(), QString("VOLKAR Radio Software - [470 - 520 MHz]"));
        p.chMem->channelPage().cboFrequency->setCurrentIndex(7);
        emit p.chMem->channelPage().cboFrequency->activated(7);

        // The lock paints the selection in the grid's own colour and locks
        // the band and file controls; unlocking brings both back.
        const QColor designed = grid.selectionColor();
        programtest::choose(*p.main, "mnuLockFace");
        QCOMPARE(app::shell().FaceLockState, std::string("ShowLock"));
        QCOMPARE(grid.selectionColor(), grid.backColor());
        QVERIFY(!p.chMem->channelPage().fraPc0->isEnabled());
        programtest::choose(*p.main, "mnuLockFace");
        QCOMPARE(grid.selectionColor(), designed);
        QVERIFY(p.chMem->channelPage().fraPc0->isEnabled());

        // A receive tone typed into the drop-down and left pending.
        QComboBox& toneBox = *p.chMem->channelPage().cboGridChCtdcs;
        auto typeTone = [&](int row, const char* tone) {
            grid.showCell(row, ColRxTone);
            QTest::mouseClick(grid.container(), Qt::LeftButton, {}, grid.cellRect(row, ColRxTone).center());
            QVERIFY(toneBox.isVisible());
            QTest::keyClicks(toneBox.lineEdit(), tone);
        };

        // Locking commits a tone still in the drop-down, as Save does.
        typeTone(4, "136.5");
        programtest::choose(*p.main, "mnuLockFace");
        QCOMPARE(m().ChCtdcs[4][0], "136.5");
        const std::size_t tone = model::map::ChRecordAddr(4) + 8;
        QCOMPARE(m().IicDat[tone] | m().IicDat[tone + 1] << 8, 1365);
        QVERIFY(toneBox.isHidden());
        programtest::choose(*p.main, "mnuLockFace");
        QTest::qWait(QApplication::doubleClickInterval() + 20);

        // Write commits a tone still in the drop-down first.
        typeTone(3, "131.8");
        programtest::modal<radiolink::ui::frmCommun>([&] { programtest::click(*p.main, "Write"); },
                                                     [](radiolink::ui::frmCommun& d) { d.close(); });
        QCOMPARE(m().ChCtdcs[3][0], "131.8");
        QCOMPARE(grid.textMatrix(3, ColTxTone), QString("131.8"));
    }

    // Run under xvfb-run with TAVORIN_SCREENSHOT_DIR set: the window as a
    // user sees it, saved for a look.
    void screenshot() {
        const QString dir = testsupport::askedScreenshotFolder();
        if (dir.isEmpty()) QSKIP("TAVORIN_SCREENSHOT_DIR is not set");
        Window t;
        t.w->resize(881, 639);
        t.click(5, ColRxTone); // the tone drop-down open over a cell
        QTest::qWait(50);      // settled; grab() paints the window itself
        const QString path = dir + "/frmChMem.png";
        QVERIFY(t.w->grab().save(path));
        qInfo("saved %s", qPrintable(path));
        for (int lang : {1, 2, 3}) {
            Program p(lang);
            QTest::qWait(50);
            const QString shot = dir + QString("/mdifrmMain-frmChMem-%1.png").arg(lang);
            QVERIFY(p.main->grab().save(shot));
        }
    }
};

QTEST_MAIN(ChMemWindowTest)
#include "ChMemWindowTest.moc"

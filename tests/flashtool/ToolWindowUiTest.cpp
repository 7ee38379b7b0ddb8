// The memory tool window and the part fill as a user meets them: reached
// through the flash tools' functions, the two tab strips in step, the flash
// grid over the whole image, the mouse's cell tip, typed cells, HEX files
// through the file button (the image and the grids after each), closing and
// loading again, the RAM lists, the automatic write's interval and the part
// fill. Screenshots of the three windows on a real X server when
// TAVORIN_SCREENSHOT_DIR is set.
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/MemoryGrids.h"
#include "flashtool/ToolState.h"
#include "flashtool/ui/FlashTools.h"
#include "flashtool/ui/MemoryGrid.h"
#include "flashtool/ui/frmFlashSoft.h"
#include "flashtool/ui/frmMain.h"
#include "flashtool/ui/frmPartFill.h"
#include "link/LinkState.h"
#include "model/Model.h"
#include "platform/ui/QtDialogs.h"
#include "tests/flashtool/GridKeys.h"
#include "tests/flashtool/HexLines.h"
#include "tests/flashtool/WindowFixture.h"
#include "tests/support/Screenshot.h"

#include <QDir>
#include <QFileDialog>
#include <QListView>
#include <QTableView>
#include <QtTest>

using namespace flashtool;
using namespace flashtool::ui;
using flashtest::HexRecordLine;
using flashtest::JoinLines;
using flashtest::painted;
using flashtest::paintedColour;
using flashtest::typeIntoCell;

namespace {

const std::string kEnd = ":00000001FF";

frmMain& openToolWindow() {
    QWidget* w = ShowToolWindow();
    auto* tool = qobject_cast<frmMain*>(w);
    Q_ASSERT(tool);
    if (!QTest::qWaitForWindowExposed(tool)) qWarning("the tool window was not exposed");
    return *tool;
}

QString hexText(std::uint8_t b) {
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

void retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

class ToolWindowUiTest : public QObject {
    Q_OBJECT

  private slots:
    void eachWindowIsReachedThroughItsFunction() {
        flashtest::ProgramFlashTools program;
        frmMain& tool = openToolWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&tool));
        QCOMPARE(tool.windowTitle(), QString::fromUtf8("GU53烧写文件读写    2012.07.28  V1.0"));
        QCOMPARE(ShowToolWindow(), &tool); // one window
        QCOMPARE(tool.cboComBps->currentText(), QStringLiteral("9600"));
        QCOMPARE(tool.cboFlashPage->currentText(), QStringLiteral("63"));
        QCOMPARE(tool.cmdPort->text(), QString::fromUtf8("端口 1"));

        QTest::mouseClick(tool.cmdPartFill, Qt::LeftButton);
        frmPartFill* fill = frmPartFill::existing();
        QVERIFY(fill && fill->isVisible());
        QCOMPARE(fill->windowTitle(), QString::fromUtf8("部分填充"));
        QVERIFY(fill->optGridFlashRam[0]->isChecked());
        QCOMPARE(fill->txtFillData->text(), QStringLiteral("FF"));
        QCOMPARE(fill->txtStartAddr->text(), QStringLiteral("C800"));
        QCOMPARE(fill->txtEndAddr->text(), QStringLiteral("FFFF"));
        QTest::mouseClick(tool.cmdPartFill, Qt::LeftButton);
        QCOMPARE(frmPartFill::existing(), fill); // one dialog

        QWidget* firmware = ShowFirmwareWindow();
        QVERIFY(firmware && firmware->isVisible());
        QCOMPARE(firmware->objectName(), QStringLiteral("frmFlashSoft"));
        QCOMPARE(firmware->windowTitle(), QString::fromUtf8("软件"));
        QCOMPARE(ShowFirmwareWindow(), firmware);
    }

    void theTwoTabStripsStayInStep() {
        flashtest::ProgramFlashTools program;
        frmMain& w = openToolWindow();
        w.sstabData->setCurrentIndex(2);
        QCOMPARE(w.sstabCtl->currentIndex(), 2);
        w.sstabCtl->setCurrentIndex(3); // the Control tab leaves the grid tab
        QCOMPARE(w.sstabData->currentIndex(), 2);
        w.sstabCtl->setCurrentIndex(1);
        QCOMPARE(w.sstabData->currentIndex(), 1);
        w.sstabCtl->setCurrentIndex(0);
        QCOMPARE(w.sstabData->currentWidget(), w.vsfgGridFlash);
    }

    void theFlashGridShowsScrollsAndScansTheWholeImage() {
        flashtest::ProgramFlashTools program;
        flashtest::ScribbleImage();
        const model::Image& image = model::IicDat();
        frmMain& w = openToolWindow();
        MemoryGrid& g = *w.vsfgGridFlash;
        QCOMPARE(g.rows(), 4097);
        QCOMPARE(g.cols(), 17);
        QCOMPARE(g.textMatrix(0, 0), QStringLiteral("Addr"));
        QCOMPARE(g.textMatrix(0, 16), QStringLiteral("F"));
        QCOMPARE(g.textMatrix(4096, 0), QStringLiteral("FFF0"));
        for (std::uint32_t a : {0x0000u, 0x1C20u, 0xC800u, 0xFFFFu}) {
            QCOMPARE(g.textMatrix(CellOf(a).row, CellOf(a).col), hexText(image[a]));
            QCOMPARE(painted(g, a).toString(), hexText(image[a]));
        }
        QCOMPARE(w.vsfgGridInRam->textMatrix(4, 1), QString()); // nothing read yet
        QCOMPARE(w.vsfgGridExtRam->rows(), 177);
        QCOMPARE(w.vsfgGridExtRam->textMatrix(176, 0), QStringLiteral("AF0"));
        QCOMPARE(w.vsfgGridInRam->textMatrix(1, 0), QStringLiteral("00"));

        g.GoTo(CellOf(0xFFFF));
        const QRect last = g.view()->visualRect(g.view()->model()->index(4095, 15));
        QVERIFY(g.view()->viewport()->rect().intersects(last));

        // The first scan marks every byte that differs from the zero shadow;
        // the next one only the byte changed since.
        const int nonZero =
            static_cast<int>(std::count_if(image.begin(), image.end(), [](auto b) { return b != 0; }));
        QCOMPARE(RefreshGridFlash(tool()).changed, nonZero);
        model::IicDat()[0x1234] ^= 0xFF;
        const FlashScan scan = RefreshGridFlash(tool());
        QCOMPARE(scan.changed, 1);
        QCOMPARE(paintedColour(g, 0x1234), QColor(255, 0, 0));
        QCOMPARE(paintedColour(g, 0x1235), QColor(0, 0, 0));
        QCOMPARE(g.row(), 0x124);
        QCOMPARE(g.col(), 5);
        QVERIFY(w.txtAddrNote->text().startsWith(QString::fromUtf8("0x1234 二进制:")));
    }

    void theMouseOverACellShowsItsTipAndNothingElse() {
        flashtest::ProgramFlashTools program;
        flashtest::ScribbleImage();
        frmMain& w = openToolWindow();
        MemoryGrid& g = *w.vsfgGridFlash;
        // A label set apart from the state: showing the window again would
        // put the state's status text back into it.
        w.lblComStatus->setText(QStringLiteral("set apart"));
        QWidget* viewport = g.view()->viewport();
        const QRect cell = g.view()->visualRect(g.view()->model()->index(2, 5)); // 0x25
        for (const QPoint at : {cell.center(), cell.center() + QPoint(1, 0), cell.topLeft() + QPoint(1, 1)}) {
            QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &move);
        }
        QVERIFY(w.txtAddrNote->text().startsWith(QString::fromUtf8("0x25 二进制:")));
        QCOMPARE(viewport->toolTip(), QString::fromStdString(tool().txtAddrNote).trimmed());
        QCOMPARE(g.row(), 3);
        QCOMPARE(g.col(), 6);
        QCOMPARE(w.lblComStatus->text(), QStringLiteral("set apart"));
    }

    void typedCellsGoIntoTheirMemory() {
        flashtest::ProgramFlashTools program;
        flashtest::ScribbleImage();
        frmMain& w = openToolWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        typeIntoCell(*w.vsfgGridFlash, 0x0021, QStringLiteral("5"));
        QCOMPARE(model::IicDat()[0x21], 0x05);
        QCOMPARE(w.vsfgGridFlash->textMatrix(3, 2), QStringLiteral("05"));
        QCOMPARE(program.alignment.shows, 1);
        // A value above a byte is refused: the cell shows its byte again,
        // and the status says why.
        typeIntoCell(*w.vsfgGridFlash, 0x0021, QStringLiteral("1FF"));
        QCOMPARE(model::IicDat()[0x21], 0x05);
        QCOMPARE(w.vsfgGridFlash->textMatrix(3, 2), QStringLiteral("05"));
        QCOMPARE(w.lblComStatus->text(), QString::fromUtf8(texts::CellTooBig));
        QCOMPARE(program.alignment.shows, 1);

        w.sstabData->setCurrentIndex(1);
        typeIntoCell(*w.vsfgGridInRam, 0x40, QStringLiteral("a5"));
        QCOMPARE(radiolink::linkState().InRamDat[0x40], 0xA5);
        QCOMPARE(w.vsfgGridInRam->textMatrix(5, 1), QStringLiteral("A5"));
        // The keys stay in the grid: the next cell is typed without a click.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        for (char key : {'b', '6'}) QTest::keyClick(QApplication::focusWidget(), key);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!w.vsfgGridInRam->isEditing());
        QCOMPARE(radiolink::linkState().InRamDat[0x41], 0xB6);
        // Below the tool range of the internal RAM nothing is taken.
        typeIntoCell(*w.vsfgGridInRam, 0x10, QStringLiteral("7"));
        QCOMPARE(radiolink::linkState().InRamDat[0x10], 0x00);
        QCOMPARE(w.vsfgGridInRam->textMatrix(2, 1), QString());
        QCOMPARE(program.alignment.shows, 1);
    }

    void hexFiles_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("error"); // empty: the file loads
        const std::vector<std::string> good = {HexRecordLine(0x0000, 4, {0x00, 0x00}),
                                               HexRecordLine(0x1C20, 0, {0x10, 0x2C, 0x14, 0x68, 0x65}),
                                               HexRecordLine(0xF000, 0, {0xDE, 0xAD, 0xBE, 0xEF}), kEnd};
        auto text = [](const std::vector<std::string>& lines, const char* eol = "\r\n") {
            return QString::fromStdString(JoinLines(lines, eol));
        };
        QTest::newRow("good, CR LF") << text(good) << QString();
        QTest::newRow("good, LF") << text(good, "\n") << QString();
        std::vector<std::string> badSum = good;
        badSum[1].back() = badSum[1].back() == '0' ? '1' : '0';
        QTest::newRow("bad checksum") << text(badSum) << QString::fromUtf8("HEX文件第2行: 校验和错误");
        QTest::newRow("type 04, upper part not 0") << text({HexRecordLine(0, 4, {0x00, 0x01}), kEnd})
                                                   << QString::fromUtf8("HEX文件第1行: 扩展地址不为0");
        QTest::newRow("record past 0xFFFF")
            << text({good[1], HexRecordLine(0xFFF8, 0, std::vector<std::uint8_t>(16, 0x11)), kEnd})
            << QString::fromUtf8("HEX文件第2行: 数据超出地址0xFFFF");
        std::vector<std::string> truncated = good;
        truncated[2].resize(truncated[2].size() - 4);
        QTest::newRow("truncated line")
            << text(truncated) << QString::fromUtf8("HEX文件第3行: 长度与字节数不符");
        QTest::newRow("no end record") << text({good[1], good[2]}) << QString::fromUtf8("没有结束记录");
        std::vector<std::string> many;
        for (int i = 0; i < 4001; ++i)
            many.push_back(HexRecordLine(static_cast<std::uint16_t>(i * 16), 0, {1}));
        many.push_back(kEnd);
        QTest::newRow("4,002 lines") << text(many) << QString::fromUtf8("超过4001行");
    }
    void hexFiles() {
        QFETCH(QString, content);
        QFETCH(QString, error);
        flashtest::ProgramFlashTools program;
        flashtest::ScribbleImage();
        const model::Image before = model::IicDat();
        frmMain& w = openToolWindow();
        radiolink::linkState().frmMain.cmdWriteFlash.Enabled = false;
        w.sstabCtl->setCurrentIndex(3);
        QTest::mouseClick(w.chkSoftShowGrid, Qt::LeftButton);
        QTest::mouseClick(w.chkGridFlashColor, Qt::LeftButton);
        w.sstabCtl->setCurrentIndex(0);
        w.ShowState();
        QVERIFY(!w.cmdWriteFlash->isEnabled());
        program.home.write("image.hex", content.toStdString());
        program.dialogs.files.push_back(program.home.file("image.hex"));
        QTest::mouseClick(w.cmdReadDat, Qt::LeftButton);

        const model::Image& image = model::IicDat();
        const MemoryGrid& g = *w.vsfgGridFlash;
        QCOMPARE(program.dialogs.fileRequests.size(), std::size_t{1});
        if (error.isEmpty()) {
            QVERIFY(program.dialogs.asked.empty());
            for (std::uint32_t a = 0; a < 0x10000; ++a) {
                const bool data = (a >= 0x1C20 && a < 0x1C25) || (a >= 0xF000 && a < 0xF004);
                if (!data && image[a] != 0xA5) QFAIL(qPrintable(QString("byte %1 is not A5").arg(a, 0, 16)));
            }
            QCOMPARE(image[0x1C24], 0x65);
            QCOMPARE(image[0xF003], 0xEF);
            for (std::uint32_t a : {0x0000u, 0x1C24u, 0xC800u, 0xF003u, 0xFFFFu})
                QCOMPARE(painted(g, a).toString(), hexText(image[a]));
            // The display step marked the cells by column group.
            QCOMPARE(paintedColour(g, 0x0000), QColor(255, 0, 0));
            QCOMPARE(paintedColour(g, 0xFFFF), QColor(245, 115, 10));
            QCOMPARE(program.alignment.shows, 1);
            QVERIFY(w.cmdWriteFlash->isEnabled());
            QCOMPARE(w.lblFileName->text(),
                     QString::fromUtf8("文件名: ") + QString::fromStdString(program.home.file("image.hex")));
        } else {
            QCOMPARE(program.dialogs.asked.size(), std::size_t{1});
            QVERIFY(QString::fromStdString(program.dialogs.asked[0].text).contains(error));
            QCOMPARE(w.lblComStatus->text(), QString::fromStdString(program.dialogs.asked[0].text));
            QVERIFY(image == before);
            for (std::uint32_t a : {0x0000u, 0x1C24u, 0xC800u, 0xF003u, 0xFFFFu}) {
                QCOMPARE(painted(g, a).toString(), hexText(before[a]));
                QCOMPARE(paintedColour(g, a), QColor(0, 0, 0));
            }
            QCOMPARE(program.alignment.shows, 0);
            QVERIFY(!w.cmdWriteFlash->isEnabled());
            QCOMPARE(w.lblFileName->text(), QString());
        }
        QCOMPARE(painted(*w.vsfgGridInRam, 0x30).toString(), QString());
    }

    // The file button's filter as Qt's own file dialog shows it: the pattern
    // *.hex, which lists files ending in either case.
    void theHexFilterShowsItsPatternAndListsEitherCase() {
        flashtest::ProgramFlashTools program;
        frmMain& w = openToolWindow();
        QTest::mouseClick(w.cmdReadDat, Qt::LeftButton);
        QCOMPARE(program.dialogs.fileRequests.size(), std::size_t{1});
        const platform::FileRequest& request = program.dialogs.fileRequests[0];
        for (const char* name : {"LOWER.hex", "UPPER.HEX", "Mixed.Hex", "other.txt"})
            program.home.write("生产文件/测试模式/" + std::string(name), "");

        QFileDialog dialog(nullptr, QString(), QString::fromStdString(request.initialDir),
                           platform::qtFilter(request.filter));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        QCOMPARE(dialog.nameFilters(), QStringList{QStringLiteral("HEX File (*.hex)")});
        auto* files = dialog.findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(files);
        auto listed = [files] {
            QStringList names;
            const QModelIndex root = files->rootIndex();
            for (int r = 0; r < files->model()->rowCount(root); ++r)
                names << files->model()->index(r, 0, root).data().toString();
            names.sort();
            return names;
        };
        QTRY_COMPARE(listed(), (QStringList{"LOWER.hex", "Mixed.Hex", "UPPER.HEX"}));
    }

    void closingIsRefusedWhileTheLinkWorksAndTheNextUseLoadsItAgain() {
        flashtest::ProgramFlashTools program;
        frmMain* w = &openToolWindow();
        QTest::mouseClick(w->chkFlashPage[5], Qt::LeftButton);
        QCOMPARE(radiolink::linkState().frmMain.chkFlashPage[5].Value, 1);
        retype(w->txtWrRightCnt, QStringLiteral("7"));
        radiolink::linkState().ComBusy = -1;
        QVERIFY(!w->close());
        QCOMPARE(frmMain::existing(), w);
        QVERIFY(w->isVisible());
        radiolink::linkState().ComBusy = 0;
        QVERIFY(w->close());
        QCOMPARE(frmMain::existing(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        program.home.write("tavorin.def", program.home.read("tavorin.def") + "[Config]\nTm=1\n");
        radiolink::linkState().frmMain.cboComBps = 8;
        w = &openToolWindow();
        QCOMPARE(radiolink::linkState().TmFlag, -1); // the window's start-up ran again
        QVERIFY(!w->chkFlashPage[5]->isChecked());
        QCOMPARE(w->txtWrRightCnt->text(), QStringLiteral("0"));
        QCOMPARE(w->cboComBps->currentText(), QStringLiteral("9600"));
        QCOMPARE(QString::fromStdString(radiolink::linkState().comCommun.Settings()),
                 QStringLiteral("9600,n,8,2"));
    }

    void ramListsKeepEachPairInOrder() {
        flashtest::ProgramFlashTools program;
        frmMain& w = openToolWindow();
        w.sstabCtl->setCurrentIndex(1);
        // Before the lists are filled the buttons say why nothing is sent.
        QTest::mouseClick(w.cmdRdInRam, Qt::LeftButton);
        QCOMPARE(w.lblComStatus->text(), QString::fromUtf8(texts::RamListsEmpty));
        QVERIFY(!radiolink::linkState().comCommun.PortOpen());

        QTest::mouseClick(w.chkInitInExtRamAddr[0], Qt::LeftButton);
        QCOMPARE(w.cboWrInRamFir->count(), 208);
        QCOMPARE(w.cboWrInRamFir->currentText(), QStringLiteral("48 0x30"));
        QCOMPARE(w.cboWrInRamLast->currentText(), QStringLiteral("255 0xFF"));
        QCOMPARE(w.cboRdExtRamFir->count(), 2816);
        QCOMPARE(w.cboRdExtRamFir->currentText(), QStringLiteral("0 0x0"));
        QCOMPARE(w.cboRdExtRamLast->currentText(), QStringLiteral("255 0xFF"));
        choose(w.cboWrExtRamFir, 2815);
        QCOMPARE(w.cboWrExtRamFir->currentText(), QStringLiteral("255 0xFF"));
        choose(w.cboRdInRamLast, 10);
        choose(w.cboRdInRamFir, 20);
        QCOMPARE(w.cboRdInRamFir->currentIndex(), 10);
        QCOMPARE(radiolink::linkState().frmMain.cboRdInRamFir, 10);
    }

    void anIntervalThatIsNoWholeNumberLeavesTheTimerStopped() {
        flashtest::ProgramFlashTools program;
        frmMain& w = openToolWindow();
        retype(w.txtWrInterval, QStringLiteral("1.5"));
        QTest::mouseClick(w.chkAutoWr, Qt::LeftButton);
        QVERIFY(!w.chkAutoWr->isChecked());
        QVERIFY(!w.tmrAutoWr.isActive());
        QCOMPARE(w.lblComStatus->text(), QString::fromUtf8(texts::BadInterval));
    }

    void thePartFillFillsTheChosenMemoryAndRefusesWhatIsNoRange() {
        flashtest::ProgramFlashTools program;
        flashtest::ScribbleImage();
        frmMain& w = openToolWindow();
        QTest::mouseClick(w.cmdPartFill, Qt::LeftButton);
        frmPartFill& d = *frmPartFill::existing();

        QTest::mouseClick(d.optGridFlashRam[1], Qt::LeftButton);
        QCOMPARE(d.txtStartAddr->text(), QStringLiteral("30"));
        QCOMPARE(d.txtEndAddr->text(), QStringLiteral("FF"));
        QCOMPARE(w.sstabData->currentIndex(), 1);
        QCOMPARE(w.sstabCtl->currentIndex(), 1);
        retype(d.txtFillData, QStringLiteral("300"));
        choose(d.cboFillData, BaseDecimal);
        QTest::mouseClick(d.cmdFillData, Qt::LeftButton);
        QVERIFY(program.dialogs.asked.empty());
        for (std::uint32_t a = 0x30; a <= 0xFF; ++a) QCOMPARE(radiolink::linkState().InRamDat[a], 0xFF);
        QCOMPARE(painted(*w.vsfgGridInRam, 0x30).toString(), QStringLiteral("FF"));
        QCOMPARE(painted(*w.vsfgGridInRam, 0x2F).toString(), QString());

        // An end outside the internal RAM: refused, nothing changes.
        retype(d.txtEndAddr, QStringLiteral("100"));
        retype(d.txtFillData, QStringLiteral("1"));
        QTest::mouseClick(d.cmdFillData, Qt::LeftButton);
        QCOMPARE(program.dialogs.asked.size(), std::size_t{1});
        QVERIFY(
            QString::fromStdString(program.dialogs.asked[0].text).startsWith(QString::fromUtf8("终止地址")));
        QCOMPARE(radiolink::linkState().InRamDat[0x30], 0xFF);

        const model::Image before = model::IicDat();
        QTest::mouseClick(d.optGridFlashRam[0], Qt::LeftButton);
        QCOMPARE(w.sstabData->currentIndex(), 0);
        retype(d.txtStartAddr, QStringLiteral("C800"));
        retype(d.txtEndAddr, QStringLiteral("C80F"));
        retype(d.txtFillData, QStringLiteral("12"));
        choose(d.cboFillData, BaseHex);
        QTest::mouseClick(d.cmdFillData, Qt::LeftButton);
        QCOMPARE(program.dialogs.asked.size(), std::size_t{1});
        for (std::uint32_t a = 0; a < 0x10000; ++a) {
            const std::uint8_t expected = a >= 0xC800 && a <= 0xC80F ? 0x12 : before[a];
            if (model::IicDat()[a] != expected) QFAIL(qPrintable(QString("byte %1").arg(a, 0, 16)));
        }
        QCOMPARE(painted(*w.vsfgGridFlash, 0xC80F).toString(), QStringLiteral("12"));
        QCOMPARE(program.alignment.shows, 1);
    }

    // Run under xvfb-run with TAVORIN_SCREENSHOT_DIR set (ctest does).
    void screenshots() {
        const QString dir = testsupport::askedScreenshotFolder();
        if (dir.isEmpty()) QSKIP("TAVORIN_SCREENSHOT_DIR is not set");
        auto save = [&](QWidget* w, const char* name) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QTest::qWait(200);
            const QString path = dir + "/" + name + ".png";
            QVERIFY(w->grab().save(path));
            qInfo("saved %s", qPrintable(path));
        };
        flashtest::ProgramFlashTools program({}, "[Soft]\nModelSelect=101\n");
        flashtest::ScribbleImage();
        frmMain& w = openToolWindow();
        for (int n : {7, 8, 50, 51, 59}) QTest::mouseClick(w.chkFlashPage[n], Qt::LeftButton);
        MarkGridCells(tool(), 1, radiolink::GridFlash, 0x40, 0x40);
        CellTipHint(tool(), radiolink::GridFlash, 5, 3);
        radiolink::linkState().frmMain.lblComStatus = "Write Successful";
        w.ShowState();
        save(&w, "frmMain");
        w.sstabCtl->setCurrentIndex(3);
        save(&w, "frmMain-Control");
        w.sstabCtl->setCurrentIndex(1);
        QTest::mouseClick(w.chkInitInExtRamAddr[0], Qt::LeftButton);
        save(&w, "frmMain-InRam");
        QTest::mouseClick(w.cmdPartFill, Qt::LeftButton);
        save(frmPartFill::existing(), "frmPartFill");
        save(ShowFirmwareWindow(), "frmFlashSoft");
    }
};

QTEST_MAIN(ToolWindowUiTest)
#include "ToolWindowUiTest.moc"

// The firmware window as a user meets it: the remembered model when the
// window opens, the boot check, ticking and unticking the write box, the
// converter frame and closing. Nothing the window does changes the image's
// channels, settings and calibration (0xC800-0xFFFF).
#include "flashtool/FlashSoft.h"
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/IntelHex.h"
#include "flashtool/ui/FlashTools.h"
#include "flashtool/ui/frmFlashSoft.h"
#include "model/Model.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "tests/flashtool/WindowFixture.h"

#include <QtTest>

#include <algorithm>

using namespace flashtool;
using namespace flashtool::ui;

namespace {

frmFlashSoft& openFirmwareWindow() {
    auto* w = qobject_cast<frmFlashSoft*>(ShowFirmwareWindow());
    Q_ASSERT(w);
    return *w;
}

bool dataAreaKept(const model::Image& before) {
    return std::equal(model::IicDat().begin() + 0xC800, model::IicDat().end(), before.begin() + 0xC800);
}

// The program area as loading version 10 leaves it.
bool programAreaIsVersion10() {
    model::Image expected = model::IicDat();
    ApplyHexImage(ParseHexLines(GetFlashSoftHex(101, 10)), 0xC7FF, expected, 0xC800);
    return expected == model::IicDat();
}

} // namespace

class FirmwareWindowUiTest : public QObject {
    Q_OBJECT

  private slots:
    void theRememberedModel_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("version");
        QTest::newRow("missing") << QString() << 0 << QString();
        QTest::newRow("100, unknown") << "[Soft]\nModelSelect=100\n" << 100 << QString();
        QTest::newRow("101") << "[Soft]\nModelSelect=101\n" << 101 << "10";
        QTest::newRow("126, past the list") << "[Soft]\nModelSelect=126\n" << -1 << QString();
        QTest::newRow("not a number") << "[Soft]\nModelSelect=abc\n" << -1 << QString();
    }
    void theRememberedModel() {
        QFETCH(QString, settings);
        QFETCH(int, selected);
        QFETCH(QString, version);
        flashtest::ProgramFlashTools program({}, settings.toStdString());
        flashtest::ScribbleImage();
        const model::Image before = model::IicDat();
        frmFlashSoft& w = openFirmwareWindow();
        QCOMPARE(w.cboModelSelect->count(), 126);
        QCOMPARE(w.cboModelSelect->itemText(0), QString::fromUtf8("0--未分配"));
        QCOMPARE(w.cboModelSelect->itemText(101), QStringLiteral("QM940"));
        QCOMPARE(w.cboModelSelect->currentIndex(), selected);
        QCOMPARE(w.cboSoftVer->currentText(), version);
        QCOMPARE(w.cmdChkLeadSoftVer->text(), QString::fromUtf8("校验引导程序"));
        QVERIFY(!w.chkWrSelectSoftVer->isChecked());
        QVERIFY(dataAreaKept(before));
        if (version.isEmpty()) {
            QCOMPARE(w.cboSoftVer->count(), 0);
            QCOMPARE(w.txtSoftSpecial->text(), QString());
            QVERIFY(model::IicDat() == before);
        } else {
            QCOMPARE(w.txtSoftSpecial->text(), QStringLiteral("102C146865"));
            QVERIFY(programAreaIsVersion10());
            for (std::uint32_t a = 37 * 1024; a < 40 * 1024; ++a) QCOMPARE(model::IicDat()[a], 0xA5);
        }
    }

    void choosingAModelWithoutNameChangesNothing() {
        flashtest::ProgramFlashTools program({}, "[Soft]\nModelSelect=100\n");
        frmFlashSoft& w = openFirmwareWindow();
        w.cboModelSelect->setCurrentIndex(110);
        emit w.cboModelSelect->activated(110);
        QCOMPARE(
            platform::IniFile::lookup(program.home.file("tavorin.def"), "Soft", "ModelSelect").value_or(""),
            std::string("100"));
        QCOMPARE(w.cboSoftVer->count(), 0);
    }

    void theBootCheckAndTheWriteBoxKeepTheDataArea() {
        flashtest::ProgramFlashTools program({}, "[Soft]\nModelSelect=101\n");
        flashtest::ScribbleImage();
        const model::Image before = model::IicDat();
        frmFlashSoft& w = openFirmwareWindow();
        QTest::mouseClick(w.cmdChkLeadSoftVer, Qt::LeftButton);
        QCOMPARE(w.cmdChkLeadSoftVer->text(), QString::fromUtf8("版本唯一,无法校验"));
        QVERIFY(dataAreaKept(before));

        model::IicDat() = before;
        QTest::mouseClick(w.chkWrSelectSoftVer, Qt::LeftButton);
        QVERIFY(w.chkWrSelectSoftVer->isChecked());
        QVERIFY(flashSoft().WriteSelectedVersion());
        QCOMPARE(w.cboSoftVer->currentText(), QStringLiteral("10")); // nothing dropped, 10 loaded again
        QVERIFY(programAreaIsVersion10());
        QVERIFY(dataAreaKept(before));

        model::IicDat() = before;
        QTest::mouseClick(w.chkWrSelectSoftVer, Qt::LeftButton);
        QVERIFY(!flashSoft().WriteSelectedVersion());
        QVERIFY(programAreaIsVersion10());
        QVERIFY(dataAreaKept(before));
    }

    void closingDiscardsTheWindow() {
        flashtest::ProgramFlashTools program({}, "[Soft]\nModelSelect=101\n");
        frmFlashSoft* w = &openFirmwareWindow();
        QTest::mouseClick(w->chkWrSelectSoftVer, Qt::LeftButton);
        QTest::mouseClick(w->cmdChkLeadSoftVer, Qt::LeftButton);
        QVERIFY(flashSoft().WriteSelectedVersion());
        QVERIFY(w->close());
        QCOMPARE(frmFlashSoft::existing(), nullptr);
        QVERIFY(!flashSoft().WriteSelectedVersion());
        w = &openFirmwareWindow();
        QVERIFY(!w->chkWrSelectSoftVer->isChecked());
        QCOMPARE(w->cmdChkLeadSoftVer->text(), QString::fromUtf8("校验引导程序"));
        QCOMPARE(w->cboModelSelect->currentIndex(), 101);
    }

    void theConverterFrame() {
        flashtest::ProgramFlashTools program;
        frmFlashSoft& w = openFirmwareWindow();
        QCOMPARE(w.cboSoftFileAddr->count(), 3);
        QCOMPARE(w.cboSoftFileAddr->currentIndex(), 0);
        const QString input = w.cboSoftFileAddr->itemText(1);
        QCOMPARE(input, QString::fromStdString(program.home.path()) +
                            QString::fromUtf8("/生产文件/1846S系列/PK4T_QM940/PK4T_QM940.hex"));
        w.cboSoftFileAddr->setCurrentIndex(1);
        emit w.cboSoftFileAddr->activated(1);
        QCOMPARE(
            platform::IniFile::lookup(program.home.file("tavorin.def"), "Soft", "SoftFileAddr").value_or(""),
            std::string("1"));

        // No file there yet: said, nothing opened.
        QTest::mouseClick(w.cmdSoftConvert, Qt::LeftButton);
        QCOMPARE(program.dialogs.asked.size(), std::size_t{1});
        QVERIFY(program.desktop.opened.empty());

        std::string text;
        for (const std::string& line : GetFlashSoftHex(101, 10)) text += line + "\r\n";
        QVERIFY(platform::makeFolder(program.home.path() + "/生产文件/1846S系列/PK4T_QM940"));
        QVERIFY(platform::writeFileAtomic(input.toStdString(), text));
        const QString output = QString::fromStdString(program.home.file("out/SoftConvert.txt"));
        w.cboSaveAddr->setFocus();
        w.cboSaveAddr->lineEdit()->selectAll();
        QTest::keyClicks(w.cboSaveAddr->lineEdit(), output);
        QTest::mouseClick(w.cmdSoftConvert, Qt::LeftButton);
        QCOMPARE(program.dialogs.asked.size(), std::size_t{1});
        QCOMPARE(w.txtSoftCode->text(), QStringLiteral("101"));
        QCOMPARE(w.txtSoftVersion->text(), QStringLiteral("10"));
        QCOMPARE(w.txtSoftDay->text(), QStringLiteral("20"));
        QCOMPARE(w.txtSoftSpe->text(), QStringLiteral("102C146865"));
        QCOMPARE(program.desktop.opened, std::vector<std::string>{output.toStdString()});
        std::string written;
        QVERIFY(platform::readTextFile(output.toStdString(), written));
        QVERIFY(written.find("[SoftConvert]") != std::string::npos);
        QVERIFY(written.find("gstrFlashSoft(101, 10, 3585) = \":00000001FF\"") != std::string::npos);
    }
};

QTEST_MAIN(FirmwareWindowUiTest)
#include "FirmwareWindowUiTest.moc"

// The factory tools of the whole program working together, as a technician
// at a factory PC (test mode on) uses them: what the memory tool window
// changes shows in the alignment window, what the alignment window changes
// the memory tool window's refresh finds, a data file opened from the main
// window shows in both; and a radio write with automatic update from the
// read/write dialog takes its program from the firmware window the flash
// tools registered.
#include "align/AccessCodes.h"
#include "align/ui/frmAdjMode.h"
#include "app/DataFile.h"
#include "channels/ui/ChannelPage.h"
#include "flashtool/FlashSoft.h"
#include "flashtool/IntelHex.h"
#include "flashtool/ToolState.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "link/ui/frmCommun.h"
#include "tests/flashtool/GridKeys.h"
#include "tests/flashtool/HexLines.h"
#include "tests/program/ProgramFixture.h"
#include "tests/support/VirtualClock.h"
#include "tools/radiosim/Radio.h"

#include <QCheckBox>
#include <QPushButton>

using namespace programtest;
using align::ui::frmAdjMode;
using flashtool::ui::frmMain;
using Bytes = std::vector<std::uint8_t>;

namespace {

model::Image& image() {
    return model::IicDat();
}

Bytes range(const model::Image& from, std::uint32_t first, std::uint32_t last) {
    return Bytes(from.begin() + first, from.begin() + last + 1);
}

// The alignment window's power value shown for the byte at 0xF800 + i.
QString powerShown(int i) {
    return frmAdjMode::existing()->cboPwrAdj(i)->currentText();
}

// The alignment window and the memory tool window, opened with their codes.
std::pair<frmAdjMode*, frmMain*> openFactoryWindows(Program& program) {
    frmAdjMode* adjMode = openAlignmentWindow(program);
    if (!adjMode) return {};
    return {adjMode, openMemoryToolWindow(*adjMode)};
}

} // namespace

class FactoryToolsTest : public QObject {
    Q_OBJECT

  private slots:
    void theFactoryWindowsShowWhatTheOthersChange() {
        Program program({{"Config", "Tm", "1"}});
        shell::mdifrmMain& main = program.start();
        const model::Image started = image();
        auto [adjMode, tool] = openFactoryWindows(program);
        QVERIFY(adjMode && tool);
        flashtool::ui::MemoryGrid& grid = *tool->vsfgGridFlash;

        // A byte typed into the flash grid shows in the alignment window.
        flashtest::typeIntoCell(grid, 0xF800, QStringLiteral("7B"));
        QCOMPARE(image()[0xF800], 0x7B);
        QCOMPARE(powerShown(0), QStringLiteral("123"));

        // So does a part fill of the flash image.
        flashtool::ui::frmPartFill* fill = openPartFill(*tool, "F801", "F801", "2A");
        QVERIFY(fill);
        press(fill->cmdFillData);
        QCOMPARE(image()[0xF801], 0x2A);
        QCOMPARE(powerShown(1), QStringLiteral("42"));
        closeWindow(fill);

        // And a HEX file loaded with its contents shown in the grid.
        press(tool->chkSoftShowGrid);
        const std::string hex = program.home.file("alignment.hex");
        program.home.write(
            "alignment.hex",
            flashtest::JoinLines({flashtest::HexRecordLine(0xF802, 0, {0x33}), ":00000001FF"}, "\r\n"));
        program.dialogs.files.push_back(hex);
        press(tool->cmdReadDat);
        QCOMPARE(image()[0xF802], 0x33);
        QCOMPARE(powerShown(2), QStringLiteral("51"));

        // The alignment window's refresh box marks in the flash grid what the
        // alignment window changed since its last look, and only that. Its
        // timer looks once a second; the test lets each look come at once.
        press(adjMode->chkAutoShowFlash);
        QVERIFY(adjMode->tmrAutoShowFlash.isActive());
        QCOMPARE(adjMode->tmrAutoShowFlash.interval(), 1000);
        const flashtool::GridState& flash = flashtool::tool().flash;
        adjMode->tmrAutoShowFlash_Timer();
        QCOMPARE(flash.fore[0xF802], flashtool::ChangedColour);
        chooseEntry(adjMode->cboPwrAdj(3), QStringLiteral("9"));
        QCOMPARE(image()[0xF803], 9);
        // The next look that finds a change clears the earlier marks.
        adjMode->tmrAutoShowFlash_Timer();
        QCOMPARE(flash.fore[0xF802], flashtool::Black);
        QCOMPARE(flash.fore[0xF803], flashtool::ChangedColour);
        QCOMPARE(flashtest::paintedColour(grid, 0xF803), QColor(255, 0, 0));
        QCOMPARE(flashtest::painted(grid, 0xF803).toString(), QStringLiteral("09"));
        press(adjMode->chkAutoShowFlash);

        // A data file opened from the main window shows in both windows.
        model::Image file = started;
        file[0xF804] = 0x44;
        const std::string path = program.home.file("radio.LDat");
        app::WriteDataFile(path, file);
        program.dialogs.files.push_back(path);
        choose(main, "mnuFileOpen");
        QCOMPARE(image()[0xF804], 0x44);
        QCOMPARE(powerShown(4), QStringLiteral("68"));
        QCOMPARE(flashtest::painted(grid, 0xF804).toString(), QStringLiteral("44"));

        QVERIFY2(program.errors.tags.empty(), program.reported().c_str());
        QVERIFY(program.dialogs.asked.empty());
    }

    void aWriteWithUpdateFromTheReadWriteDialogSendsTheBuiltInProgram() {
        radiosim::Radio radio{radiosim::Radio::Driven{}};
        radio.setIdentity({0x09, 0x2C, 0x14, 0x68, 0x65}, 101); // older than the built-in 10
        Program program(
            {{"Ports", "1", radio.devicePath()}, {"Config", "COM", "1"}, {"Setting", "COM", "1"}});
        // On the fresh start, which puts the steady clock back.
        testsupport::VirtualClock clock;
        clock.attach(radio);
        shell::mdifrmMain& main = program.start();
        radio.clearLog();
        // The radio's calibration and the user's channels are the image's own.
        for (std::uint32_t a = 0xE800; a < 0xEC00; ++a) image()[a] = static_cast<std::uint8_t>(a * 3);
        for (std::uint32_t a = 0xF800; a < 0xFC00; ++a) image()[a] = static_cast<std::uint8_t>(a * 5);
        // What every write puts into the image: its marks and the band
        // block's copy.
        model::Image before = image();
        for (int k = 0; k < 10; ++k) before[0xE951 + k] = static_cast<std::uint8_t>(0x8F + k);
        std::copy_n(before.begin() + 0xE700, 16, before.begin() + 0xE960);

        modal<radiolink::ui::frmCommun>([&] { choose(main, "mnuWriteFre"); },
                                        [](radiolink::ui::frmCommun& d) { d.close(); },
                                        [](radiolink::ui::frmCommun& d) {
                                            QTest::mouseDClick(d.fraOne, Qt::LeftButton);
                                            press(d.chkAutoUpdate);
                                            QVERIFY(d.chkAutoUpdate->isChecked());
                                            press(d.cmdWrite);
                                        });
        QCOMPARE(radiolink::linkState().ComFail, std::int16_t(0));
        QVERIFY2(program.errors.tags.empty(), program.reported().c_str());

        // Pages 7-49 of the built-in image went to the radio.
        model::Image firmware{};
        flashtool::ApplyHexImage(flashtool::ParseHexLines(flashtool::GetFlashSoftHex(101, 10)), 0xC7FF,
                                 firmware);
        QCOMPARE(radio.flash(0x1C00, 0xAC00), range(firmware, 0x1C00, 0xC7FF));
        // The image keeps the radio's alignment pages and the channels.
        QCOMPARE(range(image(), 0xE800, 0xEBFF), range(before, 0xE800, 0xEBFF));
        QCOMPARE(range(image(), 0xF800, 0xFBFF), range(before, 0xF800, 0xFBFF));
        QCOMPARE(range(image(), 0xC800, 0xE6FF), range(before, 0xC800, 0xE6FF));
        QCOMPARE(radio.flash(0xC800, 0x1F00), range(image(), 0xC800, 0xE6FF));
        // The firmware window did its part unseen.
        QCOMPARE(flashtool::ui::frmFlashSoft::existing(), nullptr);
    }
};

QTEST_MAIN(FactoryToolsTest)
#include "FactoryToolsTest.moc"

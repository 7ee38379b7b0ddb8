// The memory tool window against the simulated radio, through its buttons:
// a chosen set of pages read and written, the RAM ranges read and written,
// the automatic write and its counter; and a radio write with automatic
// update through the firmware window the flash tools registered. The link's
// waits run on a virtual clock that drives the radio.
#include "flashtool/FlashSoft.h"
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/IntelHex.h"
#include "flashtool/ToolState.h"
#include "flashtool/ui/FlashTools.h"
#include "flashtool/ui/MemoryGrid.h"
#include "flashtool/ui/frmFlashSoft.h"
#include "flashtool/ui/frmMain.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "link/RadioRoads.h"
#include "link/SerialHost.h"
#include "model/Model.h"
#include "platform/Clock.h"
#include "tests/flashtool/GridKeys.h"
#include "tests/flashtool/WindowFixture.h"
#include "tests/support/VirtualClock.h"
#include "tools/radiosim/Radio.h"

#include <QTableView>
#include <QtTest>

#include <memory>
#include <random>

using namespace flashtool;
using namespace flashtool::ui;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes randomBytes(std::size_t n, unsigned seed) {
    std::mt19937 g(seed);
    Bytes b(n);
    for (auto& x : b) x = static_cast<std::uint8_t>(g());
    return b;
}

Bytes imageRange(std::uint32_t first, std::uint32_t last) {
    const model::Image& image = model::IicDat();
    return Bytes(image.begin() + first, image.begin() + last + 1);
}

void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QString shown(const MemoryGrid& g, std::uint32_t address) {
    return flashtest::painted(g, address).toString();
}

} // namespace

class ToolWindowRadioTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::VirtualClock> clock;
    std::unique_ptr<radiosim::Radio> radio;
    std::unique_ptr<flashtest::ProgramFlashTools> program;
    radiolink::LinkState& s = radiolink::linkState();

    frmMain& openToolWindow() {
        auto* w = qobject_cast<frmMain*>(ShowToolWindow());
        Q_ASSERT(w);
        if (!QTest::qWaitForWindowExposed(w)) qWarning("the tool window was not exposed");
        return *w;
    }

    std::vector<int> pagesOf(std::uint8_t command) const {
        std::vector<int> pages;
        for (const auto& r : radio->requests()) {
            if (r.command != command) continue;
            pages.push_back(command == 0x33 || command == 0x39 ? r.bytes[6]
                                                               : (r.bytes[6] << 8 | r.bytes[7]) / 1024);
        }
        return pages;
    }

  private slots:
    void init() {
        radio = std::make_unique<radiosim::Radio>(radiosim::Radio::Driven{});
        radio->setFlash(0, randomBytes(65536, 1));
        radio->setExtRam(0xF1, Bytes{0x00});
        program = std::make_unique<flashtest::ProgramFlashTools>(
            std::map<int, std::string>{{1, radio->devicePath()}}, "[Config]\nCOM=1\n");
        // On the fresh start, which puts the steady clock back.
        clock = std::make_unique<testsupport::VirtualClock>();
        clock->attach(*radio);
        const Bytes mine = randomBytes(65536, 2);
        std::copy(mine.begin(), mine.end(), model::IicDat().begin());
        radiolink::EnsureSerialHost(s, radiolink::firmware()); // as start-up runs it
        // As the program's start installs it: the link's waits run events.
        platform::setEventPump([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    }
    void cleanup() {
        program.reset();
        clock.reset();
        radio.reset();
    }

    void readsAndWritesTheTickedPages() {
        frmMain& w = openToolWindow();
        for (int n : {3, 50, 63}) QTest::mouseClick(w.chkFlashPage[n], Qt::LeftButton);
        // The show-in-grid box is unticked: still the grid hears of the pages
        // read once the last of them is in the image.
        QVERIFY(!w.chkSoftShowGrid->isChecked());
        const Bytes lastPage = radio->flash(63 * 1024, 1024);
        bool told = false;
        const QMetaObject::Connection refresh =
            connect(w.vsfgGridFlash->view()->model(), &QAbstractItemModel::dataChanged,
                    [&](const QModelIndex& top, const QModelIndex& bottom) {
                        if (imageRange(63 * 1024, 63 * 1024 + 1023) == lastPage && top.row() <= 3 * 64 &&
                            bottom.row() >= 63 * 64 + 63)
                            told = true;
                    });
        QTest::mouseClick(w.cmdReadFlash, Qt::LeftButton);
        disconnect(refresh);
        QVERIFY(told);
        QCOMPARE(s.ComFail, std::int16_t(0));
        QCOMPARE(pagesOf(0x34), (std::vector<int>{3, 63}));
        QCOMPARE(pagesOf(0x3A), (std::vector<int>{50}));
        for (int n : {3, 50, 63})
            QCOMPARE(imageRange(n * 1024, n * 1024 + 1023), radio->flash(n * 1024, 1024));
        QVERIFY(imageRange(4 * 1024, 5 * 1024 - 1) != radio->flash(4 * 1024, 1024));
        QCOMPARE(w.lblComStatus->text(), QStringLiteral("Read Successful"));
        QCOMPARE(shown(*w.vsfgGridFlash, 50 * 1024),
                 QStringLiteral("%1").arg(model::IicDat()[50 * 1024], 2, 16, QLatin1Char('0')).toUpper());
        for (int n : {3, 50, 63}) QVERIFY(w.chkFlashPage[n]->isChecked()); // the ticks stay

        model::Image& image = model::IicDat();
        for (int n : {3, 50, 63}) std::fill_n(image.begin() + n * 1024, 1024, static_cast<std::uint8_t>(n));
        radio->clearLog();
        QTest::mouseClick(w.cmdWriteFlash, Qt::LeftButton);
        QCOMPARE(s.ComFail, std::int16_t(0));
        QCOMPARE(pagesOf(0x33), (std::vector<int>{3, 63}));
        QCOMPARE(pagesOf(0x39), (std::vector<int>{50}));
        for (int n : {3, 50, 63})
            QCOMPARE(radio->flash(n * 1024, 1024), Bytes(1024, static_cast<std::uint8_t>(n)));
        QCOMPARE(w.lblComStatus->text(), QStringLiteral("Write Successful"));
        QCOMPARE(w.txtWrRightCnt->text(), QStringLiteral("1"));
        QVERIFY(w.cmdReadFlash->isEnabled() && w.cmdWriteFlash->isEnabled());
    }

    void readsAndWritesTheChosenRamRanges() {
        const Bytes inRam = randomBytes(256, 3), extRam = randomBytes(2816, 4);
        radio->setInRam(0, inRam);
        radio->setExtRam(0, extRam);
        frmMain& w = openToolWindow();
        w.sstabCtl->setCurrentIndex(1);
        QTest::mouseClick(w.chkInitInExtRamAddr[0], Qt::LeftButton);
        choose(w.cboRdInRamFir, 0x40 - 0x30);
        choose(w.cboRdInRamLast, 0x4F - 0x30);
        QTest::mouseClick(w.cmdRdInRam, Qt::LeftButton);
        QCOMPARE(s.ComFail, std::int16_t(0));
        QCOMPARE(Bytes(s.InRamDat.begin() + 0x40, s.InRamDat.begin() + 0x50),
                 Bytes(inRam.begin() + 0x40, inRam.begin() + 0x50));
        QCOMPARE(s.InRamDat[0x3F], 0);
        QCOMPARE(shown(*w.vsfgGridInRam, 0x4F),
                 QStringLiteral("%1").arg(inRam[0x4F], 2, 16, QLatin1Char('0')).toUpper());
        QCOMPARE(shown(*w.vsfgGridInRam, 0x3F), QString());

        w.sstabCtl->setCurrentIndex(2);
        choose(w.cboRdExtRamFir, 0xA00);
        choose(w.cboRdExtRamLast, 0xAFF);
        QTest::mouseClick(w.cmdRdExtRam, Qt::LeftButton);
        QCOMPARE(s.ComFail, std::int16_t(0));
        QCOMPARE(Bytes(s.ExtRamDat.begin() + 0xA00, s.ExtRamDat.end()),
                 Bytes(extRam.begin() + 0xA00, extRam.end()));
        QCOMPARE(w.sstabData->currentIndex(), 2);

        std::fill(s.ExtRamDat.begin() + 0x100, s.ExtRamDat.begin() + 0x110, 0x5C);
        choose(w.cboWrExtRamFir, 0x100);
        choose(w.cboWrExtRamLast, 0x10F);
        QTest::mouseClick(w.cmdWrExtRam, Qt::LeftButton);
        QCOMPARE(s.ComFail, std::int16_t(0));
        QCOMPARE(radio->extRam(0x100, 16), Bytes(16, 0x5C));
        QCOMPARE(radio->extRam(0x110, 1), Bytes{extRam[0x110]});

        w.sstabCtl->setCurrentIndex(1);
        s.InRamDat[0x30] = 0xC3;
        choose(w.cboWrInRamFir, 0);
        choose(w.cboWrInRamLast, 0);
        QTest::mouseClick(w.cmdWrInRam, Qt::LeftButton);
        QCOMPARE(s.ComFail, std::int16_t(0));
        QCOMPARE(radio->inRam(0x30, 2), (Bytes{0xC3, inRam[0x31]}));
    }

    void theAutomaticWriteWritesAtOnceAndOnEveryTick() {
        frmMain& w = openToolWindow();
        QTest::mouseClick(w.chkFlashPage[52], Qt::LeftButton);
        QTest::mouseClick(w.chkAutoWr, Qt::LeftButton);
        QCOMPARE(pagesOf(0x39), (std::vector<int>{52}));
        QCOMPARE(w.txtWrRightCnt->text(), QStringLiteral("1"));
        QVERIFY(w.tmrAutoWr.isActive());
        QCOMPARE(w.tmrAutoWr.interval(), 1500);
        w.tmrAutoWr_Timer();
        QCOMPARE(pagesOf(0x39), (std::vector<int>{52, 52}));
        QCOMPARE(w.txtWrRightCnt->text(), QStringLiteral("2"));
        // A tick while a link operation runs is passed over.
        s.ComBusy = -1;
        w.tmrAutoWr_Timer();
        s.ComBusy = 0;
        QCOMPARE(pagesOf(0x39).size(), std::size_t{2});
        QTest::mouseClick(w.cmdZero, Qt::LeftButton);
        QCOMPARE(w.txtWrRightCnt->text(), QStringLiteral("0"));
        QTest::mouseClick(w.chkAutoWr, Qt::LeftButton);
        QVERIFY(!w.tmrAutoWr.isActive());
    }

    void aRadioWriteWithUpdateTakesTheBuiltInImageFromTheFirmwareWindow() {
        s.FreMode = -1;
        s.AutoUpdate = -1;
        model::Image firmware{};
        ApplyHexImage(ParseHexLines(GetFlashSoftHex(101, 10)), 0xC7FF, firmware);
        model::Image before = model::IicDat();
        std::copy_n(before.begin() + 0xE700, 16, before.begin() + 0xE960); // the band block's copy

        radio->setIdentity({0x09, 0x2C, 0x14, 0x68, 0x65}, 101); // older than 10
        const radiolink::WriteFirmware result =
            radiolink::WriteRadio(s, radiolink::firmware(), model::IicDat());
        QCOMPARE(s.ComFail, std::int16_t(0));
        QCOMPARE(int(result.outcome), int(radiolink::WriteFirmware::Updated));
        std::vector<int> program;
        for (int p : pagesOf(0x33))
            if (p >= 7 && p <= 49) program.push_back(p);
        QCOMPARE(program.size(), std::size_t{43});
        QCOMPARE(program.front(), 7);
        QCOMPARE(program.back(), 49);
        QCOMPARE(radio->flash(0x1C00, 0xAC00), Bytes(firmware.begin() + 0x1C00, firmware.begin() + 0xC800));
        // The image keeps its own alignment pages and data.
        QCOMPARE(imageRange(0xE800, 0xEBFF), Bytes(before.begin() + 0xE800, before.begin() + 0xEC00));
        QCOMPARE(imageRange(0xF800, 0xFBFF), Bytes(before.begin() + 0xF800, before.begin() + 0xFC00));
        QCOMPARE(imageRange(0xC800, 0xE7FF), Bytes(before.begin() + 0xC800, before.begin() + 0xE800));
        // The firmware window was created hidden: its logic stands on the
        // model and version, no window is on the screen.
        QVERIFY(flashSoft().loaded());
        QCOMPARE(flashSoft().cboModelSelect, 101);
        QCOMPARE(frmFlashSoft::existing(), nullptr);
        QCOMPARE(frmFlashSoft::instance().cboSoftVer->currentText(), QStringLiteral("10"));

        for (std::uint8_t first : {std::uint8_t(0x10), std::uint8_t(0x11)}) {
            radio->setIdentity({first, 0x2C, 0x14, 0x68, 0x65}, 101); // the same, newer
            radio->clearLog();
            const Bytes programArea = radio->flash(0x1C00, 0xAC00);
            QCOMPARE(int(radiolink::WriteRadio(s, radiolink::firmware(), model::IicDat()).outcome),
                     int(radiolink::WriteFirmware::NotUpdated));
            QCOMPARE(s.ComFail, std::int16_t(0));
            for (int p : pagesOf(0x33)) QVERIFY(p < 7 || p > 49);
            QCOMPARE(radio->flash(0x1C00, 0xAC00), programArea);
        }
    }
};

QTEST_MAIN(ToolWindowRadioTest)
#include "ToolWindowRadioTest.moc"

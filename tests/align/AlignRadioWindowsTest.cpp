// The factory windows against the simulated radio, through their buttons:
// the alignment read and write, the online power values and the keypad's
// keys, as the radio receives them. The link's waits run on a virtual clock
// that drives the radio.
#include "link/FlashTransfer.h"
#include "link/LinkState.h"
#include "platform/Clock.h"
#include "tests/align/WindowFixture.h"
#include "tests/link/LinkFixture.h"
#include "tests/model/FakeChannelWindow.h"
#include "tests/support/VirtualClock.h"
#include "tools/radiosim/Radio.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include <random>

using namespace align;
using namespace align::ui;
using linktest::Bytes;
using linktest::hex;
using linktest::kClosing;
using linktest::kStage1;
using linktest::kStage2;

using aligntest::choose;

namespace {

const std::vector<int> kAlignmentSet{50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 62};

Bytes page(const model::Image& image, int p) {
    return Bytes(image.begin() + p * 1024, image.begin() + (p + 1) * 1024);
}

} // namespace

class AlignRadioWindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<aligntest::WindowFixture> f;
    std::unique_ptr<testsupport::VirtualClock> clock;
    std::unique_ptr<radiosim::Radio> radio;

    std::vector<Bytes> sent() const { return linktest::requestBytes(*radio); }
    std::vector<int> pagesOf(std::uint8_t command) const {
        std::vector<int> pages;
        for (const auto& r : radio->requests())
            if (r.command == command && r.bytes.size() > 7)
                pages.push_back(command == 0x39 ? r.bytes[6] : (r.bytes[6] << 8 | r.bytes[7]) / 1024);
        return pages;
    }

  private slots:
    void init() {
        f = std::make_unique<aligntest::WindowFixture>();
        clock = std::make_unique<testsupport::VirtualClock>();
        radio = std::make_unique<radiosim::Radio>(radiosim::Radio::Driven{});
        clock->attach(*radio);
        linkui::WriteSettings(f->home, {{1, radio->devicePath()}});
        radiolink::InitWireTables(radiolink::linkState());
        // As the program's start installs it: the link's waits run events.
        platform::setEventPump([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    }
    void cleanup() {
        f.reset();
        clock.reset();
        radio.reset();
    }

    void readAndWriteMoveTheAlignmentPageSet() {
        model::ModelState& m = model::state();
        m.ChCount = 16;
        m.ChColCount = 9;
        modeltest::FakeChannelWindow channels(m);
        std::mt19937 random(5);
        Bytes flash(65536);
        for (auto& b : flash) b = static_cast<std::uint8_t>(random());
        std::fill(flash.begin() + 0xC800, flash.begin() + 0xD800, 0xFF); // empty channels
        const Bytes band = hex("00004600 00004700 00000040 00000047");
        std::copy(band.begin(), band.end(), flash.begin() + 0xE700);
        radio->setFlash(0, flash);

        frmAdjMode& w = frmAdjMode::instance();
        w.show();
        w.optRwSort[2]->click();
        w.cmdRead->click();
        QCOMPARE(radiolink::linkState().ComFail, std::int16_t(0));
        QCOMPARE(pagesOf(0x3A), kAlignmentSet);
        for (int p : kAlignmentSet) QCOMPARE(page(m.IicDat, p), radio->flash(p * 1024, 1024));
        // The channel window shows the channels just read.
        QCOMPARE(channels.calls, (std::vector<std::string>{"ShowChTblGrid", "InitOpt"}));

        radio->clearLog();
        w.cmdAdjPwr->click();
        choose(w.cboPwrAdj(7), QStringLiteral("77"));
        QVERIFY(radio->requests().empty()); // online alignment is off
        w.optRwSort[3]->click();
        w.cmdWrite->click();
        QCOMPARE(radiolink::linkState().ComFail, std::int16_t(0));
        QCOMPARE(pagesOf(0x39), kAlignmentSet);
        QCOMPARE(radio->flash(0xF807, 1)[0], std::uint8_t(77));
        QCOMPARE(radio->flash(0xF833, 2), Bytes(m.IicDat.begin() + 0xF833, m.IicDat.begin() + 0xF835));
    }

    void onlinePowerValuesReachTheRadio() {
        frmAdjMode& w = frmAdjMode::instance();
        w.show();
        w.cmdAdjPwr->click();
        w.chkOnlineAdj->click();
        choose(w.cboPwrAdj(0), QStringLiteral("123"));
        QCOMPARE(sent(),
                 (std::vector<Bytes>{kStage1, kStage2, hex("5A38F36D18C9 22C5F1 DCDC 7B 6183"), kClosing}));
        QVERIFY(w.cboPwrAdj(0)->isEnabled());
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.cboPwrAdj(0)));
        radio->clearLog();
        choose(w.cboPwrAdj(5), QStringLiteral("5"));
        QCOMPARE(sent(),
                 (std::vector<Bytes>{kStage1, kStage2, hex("5A38F36D18C9 22C5F1 2A2A 05 5FA9"), kClosing}));
        radio->clearLog();
        w.chkOnlineAdj->click();
        choose(w.cboPwrAdj(5), QStringLiteral("6"));
        QVERIFY(radio->requests().empty());
    }

    void keypadKeysReachTheRadio() {
        frmAdjMode& mode = frmAdjMode::instance();
        mode.show();
        f->answerNextCode(QString::fromStdString(f->code(CodeButton::cmdKey)));
        mode.cmdKey->click();
        frmVitualKey* keys = frmVitualKey::existing();
        QVERIFY(keys && keys->isVisible());
        struct Case {
            QPushButton* button;
            QCheckBox* hold; // ticked first when given
            const char* frame;
        };
        const Case cases[] = {
            {keys->cmdKeyMa[17], nullptr, "5A38F36D18C9 55B3E1 313131 5FF4"},
            {keys->cmdKeyMa[0], nullptr, "5A38F36D18C9 55B3E1 202020 5FC1"},
            {keys->cmdKeyPf[0], nullptr, "5A38F36D18C9 22C5F1 5757 01 5FFF"},
            {keys->cmdKeyPf[2], nullptr, "5A38F36D18C9 22C5F1 5757 10 600E"},
            {keys->cmdKeyPf[2], keys->chkKeyPf[2], "5A38F36D18C9 22C5F1 5757 20 601E"},
        };
        for (const Case& c : cases) {
            radio->clearLog();
            if (c.hold) c.hold->click();
            c.button->click();
            QCOMPARE(sent(), (std::vector<Bytes>{kStage1, hex(c.frame), kClosing}));
            QVERIFY(keys->isEnabled());
        }
        // A radio that does not answer: the keypad is usable again afterwards.
        linkui::WriteSettings(f->home, {});
        keys->cmdKeyMa[5]->click();
        QCOMPARE(radiolink::linkState().ComFail, std::int16_t(-1));
        QVERIFY(keys->isEnabled());
    }

    void closingTheAlignmentWindowLeavesTheLinkUsable() {
        frmAdjMode* mode = &frmAdjMode::instance();
        mode->show();
        mode->chkExitTryCom->click();
        mode->chkBps->click();
        mode->close();
        QVERIFY(QTest::qWaitFor([] { return frmAdjMode::existing() == nullptr; }));

        mode = &frmAdjMode::instance();
        mode->show();
        QVERIFY(!mode->chkExitTryCom->isChecked());
        QVERIFY(mode->chkBps->isChecked()); // the link still runs at 19200
        QCOMPARE(radiolink::linkState().comCommun.Settings(), std::string("19200,n,8,2"));
        f->answerNextCode(QString::fromStdString(f->code(CodeButton::cmdKey)));
        mode->cmdKey->click();
        frmVitualKey* keys = frmVitualKey::existing();
        QVERIFY(keys);
        keys->cmdKeyMa[17]->click();
        QCOMPARE(radiolink::linkState().ComFail, std::int16_t(0));
        QCOMPARE(sent(), (std::vector<Bytes>{kStage1, hex("5A38F36D18C9 55B3E1 313131 5FF4"), kClosing}));
    }
};

QTEST_MAIN(AlignRadioWindowsTest)
#include "AlignRadioWindowsTest.moc"

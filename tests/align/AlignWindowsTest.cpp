// The factory windows on the offscreen platform, driven through their own
// controls: the access codes at every coded button, the register window's
// panels, what the alignment and register controls write, the display that
// fills both windows, the loop's interval box, the height toggle, the data
// files and the windows' lives.
#include "align/AlignMap.h"
#include "align/ui/FieldWidgets.h"
#include "app/DataFile.h"
#include "app/FaceText.h"
#include "app/ImageViews.h"
#include "app/Settings.h"
#include "channels/ui/ChannelPage.h"
#include "channels/ui/frmChMem.h"
#include "link/LinkState.h"
#include "platform/ui/QtDialogs.h"
#include "tests/align/WindowFixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <map>

using namespace align;
using namespace align::ui;
using C = align::Control;
using B = align::CodeButton;

using aligntest::choose;

namespace {

model::Image& image() {
    return model::IicDat();
}

// Clicks a coded button and answers the dialog with `typed`.
void ask(QPushButton* button, const std::string& typed) {
    aligntest::WindowFixture::answerNextCode(QString::fromStdString(typed));
    button->click();
}

// The program's display over an image whose alignment area holds `value`.
void showArea(std::uint8_t value) {
    std::fill(image().begin() + 0xE800, image().begin() + 0xEC00, value);
    std::fill(image().begin() + 0xF800, image().begin() + 0xFC00, value);
    image()[0xECA2] = value;
    radiolink::linkState().TmFlag = -1;
    platform::host<app::AlignmentDisplayHost>().AdjParaShow();
    radiolink::linkState().TmFlag = 0;
}

} // namespace

class AlignWindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<aligntest::WindowFixture> f;

    frmAdjMode& opened() {
        frmAdjMode& w = frmAdjMode::instance();
        w.show();
        return w;
    }

  private slots:
    void init() { f = std::make_unique<aligntest::WindowFixture>(); }
    void cleanup() { f.reset(); }

    void accessCodeDialogMasksWhatIsTypedAndClosesByItsTimer() {
        QTimer::singleShot(0, [] {
            frmInputCode* d = frmInputCode::existing();
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("输入密码"));
            QCOMPARE(d->lblInputCode->text(), QStringLiteral("请输入密码"));
            QVERIFY(d->tmrAutoExit.isActive());
            QCOMPARE(d->tmrAutoExit.interval(), 2500);
            QCOMPARE(d->txtInputCode->maxLength(), 100);
            QTest::keyClicks(d->txtInputCode, QStringLiteral("12ab"));
            QCOMPARE(d->txtInputCode->displayText(), QStringLiteral("####"));
            QCOMPARE(QString::fromStdString(state().InputCode), QStringLiteral("12AB"));
            QCOMPARE(d->tmrAutoExit.interval(), 1000);
            QVERIFY(d->tmrAutoExit.isActive());
        });
        // Nothing more is typed: the dialog closes a second after the last key.
        QElapsedTimer asked;
        asked.start();
        QCOMPARE(AskAccessCode(nullptr, B::cmdAutoTest), CodeAction::None);
        QVERIFY(asked.elapsed() >= 900);
        QCOMPARE(frmInputCode::existing(), nullptr);
        QCOMPARE(QString::fromStdString(state().InputCode), QStringLiteral("12AB"));
    }

    void wrongCodesOpenNothingAndEachRightCodeItsWindow() {
        frmAdjMode& w = opened();
        const std::string alignment = codes::kAlignment;
        const std::pair<QPushButton*, B> coded[] = {{w.cmdAdjDevSql, B::cmdAdjDevSql},
                                                    {w.cmdKey, B::cmdKey},
                                                    {w.cmdSoft, B::cmdSoft},
                                                    {w.cmdFlash, B::cmdFlash}};
        for (auto [button, b] : coded) {
            const std::string right = f->code(b);
            for (const std::string& wrong : {std::string(), right + " ", right.substr(1), right + "1",
                                             right.substr(0, right.size() - 1)})
                ask(button, wrong);
        }
        QCOMPARE(frmAdjMore::existing(), nullptr);
        QCOMPARE(frmVitualKey::existing(), nullptr);
        QVERIFY(f->flashTools.calls.empty());

        ask(w.cmdAutoTest, alignment); // the right code: still nothing
        QCOMPARE(frmAdjMore::existing(), nullptr);
        ask(w.cmdAdjDevSql, alignment);
        QVERIFY(frmAdjMore::existing() && frmAdjMore::existing()->isVisible());
        ask(w.cmdKey, alignment + "key"); // letters in either case
        QVERIFY(frmVitualKey::existing() && frmVitualKey::existing()->isVisible());
        ask(w.cmdSoft, alignment + "Soft");
        ask(w.cmdFlash, alignment + "FLASH");
        QCOMPARE(f->flashTools.calls, (std::vector<std::string>{"ShowFirmwareWindow", "ShowToolWindow"}));
        // Each code opens only its own window.
        ask(w.cmdSoft, alignment + "FLASH");
        ask(w.cmdFlash, alignment + "SOFT");
        QCOMPARE(f->flashTools.calls.size(), std::size_t(2));
    }

    void channelPageButtonOpensTheAlignmentWindowOnlyWithItsCode() {
        channels::frmChMem chMem;
        chMem.show();
        QPushButton* cmdPc4 = chMem.channelPage().cmdPc[4];
        ask(cmdPc4, "12345678");
        ask(cmdPc4, std::string(codes::kAlignment) + "KEY");
        QCOMPARE(frmAdjMode::existing(), nullptr);
        ask(cmdPc4, codes::kAlignment);
        QVERIFY(frmAdjMode::existing() && frmAdjMode::existing()->isVisible());
        QVERIFY(!frmAdjMode::existing()->cmdRead->isEnabled());
        QVERIFY(!frmAdjMode::existing()->cmdWrite->isEnabled());
    }

    void registerWindowPanelsFollowTheLastCode() {
        frmAdjMore& w = frmAdjMore::instance();
        w.show();
        auto shown = [&w] {
            return std::vector<bool>{!w.fraSqlPara->isHidden(), !w.fraRxRespDev->isHidden(),
                                     !w.fraReg34H->isHidden(),  !w.fraReg65H->isHidden(),
                                     !w.fraAdjMenu->isHidden(), !w.fraBatPara[5]->isHidden()};
        };
        QCOMPARE(shown(), (std::vector<bool>{false, false, false, false, true, false}));
        ask(w.cmdRespDevSql, "84302716");
        QCOMPARE(shown(), (std::vector<bool>{false, true, true, true, true, false}));
        ask(w.cmdRespDevSql, "84302717"); // wrong: all four hide
        QCOMPARE(shown(), (std::vector<bool>{false, false, false, false, false, false}));
        ask(w.cmdSqlPara, "517460328");
        QCOMPARE(shown(), (std::vector<bool>{true, false, false, false, false, false}));
        ask(w.cmdMenuAdjust, std::string(codes::kAlignment) + "menu");
        QCOMPARE(shown(), (std::vector<bool>{true, false, false, false, true, false}));
        ask(w.cmdSqlPara, "");
        ask(w.cmdMenuAdjust, std::string(codes::kAlignment) + "MEN");
        QCOMPARE(shown(), (std::vector<bool>{false, false, false, false, false, false}));
    }

    // Representative controls of both windows, chosen as a user chooses:
    // the bytes and bits each writes, every other byte kept; the power
    // table's sum after each change.
    void controlsWriteTheirBitsAndKeepTheRest() {
        frmAdjMode& mode = opened();
        frmAdjMore& more = frmAdjMore::instance();
        more.show();
        std::fill(image().begin() + 0xF800, image().begin() + 0xF835, 0x00);
        image()[0xECA2] = 0x15;
        image()[0xE801] = 0x5F;
        image()[0xE822] = 0x05;
        image()[0xE823] = 0xC0;
        image()[0xE81E] = 0x5C;
        const model::Image start = image();

        std::map<int, int> expected; // address -> byte, of every change so far
        auto check = [&](const char* what, const std::map<int, int>& changed) {
            for (auto [at, b] : changed) expected[at] = b;
            for (int at = 0; at < 0x10000; ++at) {
                auto it = expected.find(at);
                const int want = it != expected.end() ? it->second : start[at];
                if (image()[at] != want)
                    QFAIL(qPrintable(QStringLiteral("%1: byte %2 is %3, expected %4")
                                         .arg(what)
                                         .arg(at, 4, 16)
                                         .arg(image()[at], 2, 16)
                                         .arg(want, 2, 16)));
            }
        };
        choose(mode.cboPwrAdj(0), QStringLiteral("123"));
        check("fine-tune 123", {{0xF800, 123}, {0xF833, 0xD5}, {0xF834, 0x5A}});
        choose(mode.cboPwrAdj(50), QStringLiteral("255"));
        check("high power 260 MHz", {{0xF832, 255}, {0xF833, 0xD4}, {0xF834, 0x5B}});
        choose(mode.cboCryFre(), QStringLiteral("26.0MHz"));
        check("crystal 26.0", {{0xECA2, 0xD5}});
        choose(mode.cboCryFre(), QStringLiteral("12.8MHz"));
        check("crystal 12.8", {{0xECA2, 0x15}});
        mode.chkRadioFre()->click();
        check("FM crystal", {{0xECA2, 0x17}});
        choose(mode.cboFreBand(0), QStringLiteral("UHF段"));
        choose(mode.cboFreBand(2), QStringLiteral("UHF段"));
        check("band groups", {{0xE95D, 150}, {0xE95F, 255}});
        mode.chkBpsHlPara()->click();
        check("high-speed parameter", {{0xE890, 0}});
        choose(mode.cboCompanName(), QStringLiteral("英文"));
        check("company", {{0xEA0A, 2}});

        more.fields->scroll(C::hscWideDev134174, 1)->setValue(20);
        QCOMPARE(more.fields->scrollText(C::hscWideDev134174, 1)->text(), QStringLiteral("20"));
        check("CD/VOI 134-174 wide", {{0xE801, 0x54}});
        choose(more.list(C::cboCdVoiSub, 0), QStringLiteral("5"));
        check("difference 134-174 wide", {{0xE801, 0xB4}});
        // Before any display the threshold lists offer "1"-"8": "8" stores 7.
        choose(more.list(C::cboSqlThreshold, 2), QStringLiteral("8"));
        check("threshold 2", {{0xE822, 0x07}});
        more.box(C::chkEnableSqlCacl, 1)->click();
        more.box(C::chkEnableSqlCacl, 7)->click();
        check("enables 1 and 7", {{0xE81E, 0x82}});
        choose(more.list(C::cboRda1846SPwrOutput, 0), QStringLiteral("-11.9dBm"));
        choose(more.list(C::cboRda1846SPwrOutput, 2), QStringLiteral("1"));
        check("power output", {{0xE900, 1}, {0xE902, 0}});
        more.cmdReg34H_Def->click();
        check("register 34H default", {{0xE841, 0x86}, {0xE842, 0x29}});
        more.box(C::chkOffAfcFunc, 0)->click();
        check("AFC off", {{0xE845, 0x20}, {0xE846, 0x73}});
    }

    void batteryValueRefreshesTheFlashGrid() {
        struct Grid : app::FlashGridHost {
            void RefreshFlashRange(int first, int last) override { ranges.push_back({first, last}); }
            std::vector<std::pair<int, int>> ranges;
        } grid;
        platform::Host<app::FlashGridHost>::Scoped registered(grid);
        frmAdjMore& more = frmAdjMore::instance();
        more.show();
        choose(more.list(C::cboBatVoltPara, 16), QStringLiteral("33"));
        QCOMPARE(image()[0xE917], std::uint8_t(33));
        QCOMPARE(grid.ranges, (std::vector<std::pair<int, int>>{{0xE907, 0xE917}}));
    }

    void menuGridEditStores255WhileNoMenuNamesExist() {
        frmAdjMore& more = frmAdjMore::instance();
        more.show();
        more.sstabAdjMore->setCurrentIndex(2);
        image()[0xEA81] = 3;
        platform::Grid& g = *more.vsfgGridMenu;
        g.setCurrentCell(2, 1);
        g.editCell();
        QVERIFY(g.editor());
        QTest::keyClicks(g.editor(), QStringLiteral("Squelch"));
        QTest::keyClick(g.editor(), Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&g] { return !g.isEditing(); }));
        QCOMPARE(image()[0xEA81], std::uint8_t(255));
        QCOMPARE(g.textMatrix(2, 1), QStringLiteral("Squelch"));
    }

    void displayFillsBothWindowsHiddenAndTheyStoreAfterwards() {
        for (std::uint8_t value : {std::uint8_t(0xFF), std::uint8_t(0x00)}) {
            delete frmAdjMode::existing();
            delete frmAdjMore::existing();
            showArea(value);
            frmAdjMode* mode = frmAdjMode::existing();
            frmAdjMore* more = frmAdjMore::existing();
            QVERIFY(mode && more);
            QVERIFY(!mode->isVisible() && !more->isVisible());
            QCOMPARE(state().AdjParaShowing, std::int16_t(0));
            const QString top = value ? QStringLiteral("255") : QStringLiteral("0");
            QCOMPARE(mode->cboPwrAdj(17)->currentText(), top);
            QCOMPARE(image()[0xE890], std::uint8_t(150));
            QCOMPARE(more->list(C::cboSqlThreshold, 5)->count(), 128);
            QCOMPARE(more->list(C::cboSqlThreshold, 5)->currentText(),
                     value ? QStringLiteral("127") : QStringLiteral("0"));
            QCOMPARE(more->list(C::cboVoiceGainRx41H, 0)->currentText(),
                     value ? QStringLiteral("127") : QStringLiteral("14"));
            QCOMPARE(more->list(C::cboRda1846SPwrOutput, 1)->currentIndex(),
                     value ? -1 : 0); // 15 fits no entry
            QCOMPARE(more->fields->scrollText(C::hscNarrowDev400520, 0)->text(), top);
            // The register window stores again.
            more->show();
            choose(more->list(C::cboSqlThreshold, 4), QStringLiteral("100"));
            QCOMPARE(image()[0xE824] & 0x7F, 100);
            choose(more->list(C::cboTimeTone, 3), QStringLiteral("77"));
            QCOMPARE(image()[0xE92E], std::uint8_t(77));
        }
    }

    void intervalBoxRefusesWhatIsNoWholeNumberUpTo32767() {
        frmAdjMode& w = opened();
        auto typeInterval = [&w](const QString& text) {
            w.txtWrInterval->selectAll();
            QTest::keyClicks(w.txtWrInterval, text);
        };
        QCOMPARE(w.txtWrInterval->text(), QStringLiteral("3000"));
        typeInterval(QStringLiteral("1500"));
        w.chkAutoWr->click();
        QVERIFY(w.tmrAutoWr.isActive());
        QCOMPARE(w.tmrAutoWr.interval(), 1500);
        for (const QString& bad : {QStringLiteral("abc"), QStringLiteral("32768"), QStringLiteral("-1"),
                                   QStringLiteral("2.5"), QString()}) {
            typeInterval(bad);
            if (bad.isEmpty()) w.txtWrInterval->clear(), w.txtWrInterval_Change();
            w.chkAutoWr->click();
            QVERIFY2(!w.tmrAutoWr.isActive(), qPrintable(bad));
            QVERIFY(!w.chkAutoWr->isChecked());
            QCOMPARE(w.txtWrInterval->text(), QStringLiteral("1500"));
        }
        typeInterval(QStringLiteral("0"));
        w.chkAutoWr->click();
        QVERIFY(w.chkAutoWr->isChecked());
        QVERIFY(!w.tmrAutoWr.isActive()); // 0 leaves the loop silent
        w.chkAutoWr->click();

        typeInterval(QStringLiteral("5"));
        QTest::mouseDClick(w.txtWrInterval, Qt::LeftButton);
        QCOMPARE(w.txtWrInterval->text(), QStringLiteral("2500"));
        QCOMPARE(app::ReadIniText("Config", "AutoWrInterval", "", 30, 30, app::shell().SettingsFile), "2500");
    }

    void boxesOfTheAlignmentWindow() {
        frmAdjMode& w = opened();
        w.optRwSort[2]->click();
        QVERIFY(w.cmdRead->isEnabled() && !w.cmdWrite->isEnabled());
        w.optRwSort[3]->click();
        QVERIFY(!w.cmdRead->isEnabled() && w.cmdWrite->isEnabled());
        w.chkBps->click();
        QCOMPARE(radiolink::linkState().comCommun.Settings(), std::string("19200,n,8,2"));
        QCOMPARE(radiolink::linkState().frmMain.cboComBps, 8);
        w.chkBps->click();
        QCOMPARE(radiolink::linkState().comCommun.Settings(), std::string("9600,n,8,2"));
        w.chkExitTryCom->click();
        QCOMPARE(radiolink::linkState().ComStop, std::int16_t(-1));
        w.chkExitTryCom->click();
        QCOMPARE(radiolink::linkState().ComStop, std::int16_t(0));

        w.chkAutoShowFlash->click();
        QVERIFY(w.tmrAutoShowFlash.isActive());
        QCOMPARE(w.tmrAutoShowFlash.interval(), 1000);
        QVERIFY(QTest::qWaitFor([this] { return !f->flashTools.calls.empty(); }, 5000));
        QCOMPARE(f->flashTools.calls.front(), std::string("RefreshGridFlash"));
        w.chkAutoShowFlash->click();
        QVERIFY(!w.tmrAutoShowFlash.isActive());
    }

    void heightToggleCollapsesAndExpands() {
        frmAdjMode& w = opened();
        QVERIFY(std::abs(w.HeightTwips() - frmAdjMode::kCollapsedTwips) < 30);
        w.cmdAdjPwr->click();
        QVERIFY(std::abs(w.HeightTwips() - frmAdjMode::kExpandedTwips) < 30);
        w.cmdAdjPwr->click();
        QVERIFY(std::abs(w.HeightTwips() - frmAdjMode::kCollapsedTwips) < 30);
    }

    void dataFileButtonsShowThePathOrTheReason() {
        frmAdjMode& w = opened();
        const std::string path = f->home.file("生产文件/1845系列/a.dat5i0");
        f->dialogs.files.push_back(path);
        image()[0xF801] = 0x44;
        w.cmdSaveDat->click();
        QCOMPARE(w.lblFileName->text(), QString::fromStdString(path));
        QCOMPARE(f->dialogs.fileRequests.back().filter, std::string("Dat5i0(*.Dat5i0)|*.Dat5i0"));
        image()[0xF801] = 0x00;
        f->dialogs.files.push_back(path);
        w.lblFileName->clear();
        w.cmdReadDat->click();
        QCOMPARE(image()[0xF801], std::uint8_t(0x44));
        QCOMPARE(w.lblFileName->text(), QString::fromStdString(path));

        f->home.write("bad.Dat5i0", "no data file");
        f->dialogs.files.push_back(f->home.file("bad.Dat5i0"));
        w.lblFileName->clear();
        w.cmdReadDat->click();
        QCOMPARE(w.lblFileName->text(), QString());
        QCOMPARE(f->dialogs.asked.size(), std::size_t(1));
        QVERIFY(f->dialogs.asked[0].text.rfind(app::text(83), 0) == 0);
    }

    // The program's own file dialog lists the folder's data files whatever
    // the case of their extension.
    void dataFileDialogFindsFilesWhateverTheirCase() {
        platform::QtDialogs qt;
        platform::Host<platform::Dialogs>::Scoped real(qt);
        frmAdjMode& w = opened();
        const QString folder = QString::fromStdString(f->home.file("生产文件/1845系列"));
        QVERIFY(QDir().mkpath(folder));
        for (const char* name : {"a.Dat5i0", "b.dat5i0", "c.DAT5I0", "d.Dat5i1", "e.txt"})
            f->home.write(std::string("生产文件/1845系列/") + name, "x");
        QStringList listed;
        QTimer::singleShot(0, [&listed] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
            QVERIFY(view);
            QVERIFY(QTest::qWaitFor([view] { return view->model()->rowCount(view->rootIndex()) >= 3; }));
            QTest::qWait(100);
            for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
                listed << view->model()->index(r, 0, view->rootIndex()).data().toString();
            dialog->reject();
        });
        w.cmdReadDat->click();
        listed.sort();
        QCOMPARE(listed, (QStringList{"a.Dat5i0", "b.dat5i0", "c.DAT5I0"}));
    }

    void closingDiscardsTheWindowAndItsState() {
        frmAdjMode& w = opened();
        w.optRwSort[3]->click();
        w.txtWrInterval->selectAll();
        QTest::keyClicks(w.txtWrInterval, QStringLiteral("800"));
        choose(w.cboPwrAdj(3), QStringLiteral("9"));
        w.close();
        QVERIFY(QTest::qWaitFor([] { return frmAdjMode::existing() == nullptr; }));
        QVERIFY(!state().frmAdjMode.has_value());
        frmAdjMode& again = opened();
        QCOMPARE(again.txtWrInterval->text(), QStringLiteral("3000"));
        QVERIFY(!again.cmdWrite->isEnabled());
        QCOMPARE(again.cboPwrAdj(3)->currentIndex(), -1);
        QCOMPARE(image()[0xF803], std::uint8_t(9)); // the image keeps what was chosen
    }
};

QTEST_MAIN(AlignWindowsTest)
#include "AlignWindowsTest.moc"

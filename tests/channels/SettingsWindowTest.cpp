// The settings pages of the channel window as a user works them: the program
// started in the main window at its start size, controls of every page driven
// through their widgets, the lock, the volume dialog behind the hidden
// holder's button, the three side grids, and whether the pages fit the
// window in every language.
#include "channels/ChMem.h"
#include "channels/SettingsState.h"
#include "channels/ui/ChannelPage.h"
#include "channels/ui/SettingsControls.h"
#include "channels/ui/frmChMem.h"
#include "channels/ui/frmSetVolume.h"
#include "model/ImageMap.h"
#include "model/Model.h"

#include "app/DataFile.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "link/ui/frmCommun.h"
#include "platform/IniFile.h"
#include "platform/ui/Grid.h"
#include "shell/FileCommands.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/channels/SettingsShown.h"
#include "tests/program/ProgramFixture.h"
#include "tests/support/Screenshot.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <functional>

using Bytes = std::vector<std::uint8_t>;

namespace {

using settingswindowtest::cutOff;
using settingswindowtest::notShown;
using settingswindowtest::patterned;

model::ModelState& m() {
    return model::state();
}

// The program started in a language, its main window at the size start-up
// gives it.
struct Program : programtest::StartedProgram {
    channels::frmChMem*& w = chMem;

    explicit Program(int lang = 3, const std::function<void(model::Image&)>& image = {})
        : programtest::StartedProgram(lang, image) {}

    channels::SettingsControls& c() const { return w->settings(); }
    void page(int i) const {
        w->sstabSetMode->setCurrentIndex(i);
        QCoreApplication::processEvents();
    }
    std::uint8_t at(model::map::Addr a) const { return m().IicDat[a]; }
    Bytes bytes(model::map::Addr a, std::size_t n) const {
        return {m().IicDat.begin() + a, m().IicDat.begin() + static_cast<std::ptrdiff_t>(a + n)};
    }
};

// The user picks an item of a list.
void choose(QComboBox* box, int position) {
    box->setCurrentIndex(position);
    emit box->activated(position);
}

// The user types into an empty box.
void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// The user edits a cell of a side grid: a typed text, or an item of its list.
void editCell(platform::Grid& grid, int row, int col, const QString& text) {
    grid.showCell(row, col);
    grid.setCurrentCell(row, col);
    grid.editCell();
    QWidget* editor = grid.editor();
    QVERIFY(editor);
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        const int item = list->findText(text);
        QVERIFY2(item >= 0, qPrintable(text));
        list->setCurrentIndex(item);
        emit list->activated(item);
    } else {
        auto* line = qobject_cast<QLineEdit*>(editor);
        QVERIFY(line);
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
    }
    QVERIFY(QTest::qWaitFor([&grid] { return !grid.isEditing(); }));
}

// The user imports a serial-number list file of this content.
void importList(Program& p, const std::string& content) {
    p.home.write("list.ini", content);
    p.dialogs.files.push_back(p.home.file("list.ini"));
    p.c().cmdImportSeq->click();
}

} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void eachPageShowsTheImageAndStoresWhatTheUserChooses() {
        Program p(3, [](model::Image& image) {
            image[0xEC0C] = 7;    // Time-out Timer 210s
            image[0xEC9A] = 0x00; // every bit box unticked
            image[0xEC24] = 3;    // PF1 "4--Scan"
            image[0xE713] = 9;    // Tx Time Distance Alarm
            image[0xE146] = 0x23; // Stun group "F"
            const Bytes line{0x41, 0x00, 0x42, 0x00};
            std::copy(line.begin(), line.end(), image.begin() + 0xE610);
        });
        channels::SettingsControls& c = p.c();
        // What the image holds shows on the pages.
        QCOMPARE(c.cboPc[4]->currentText(), QString("210s"));
        QVERIFY(!c.chkPc[5]->isChecked());
        QCOMPARE(c.listSkKey[0]->currentRow(), 3);
        QCOMPARE(c.cboPc[52]->currentText(), QString("F"));
        QCOMPARE(c.txtPc[2]->text(), QString("AB"));
        QVERIFY(c.cboPc[36]->isEnabled());

        // Page 1.
        p.page(1);
        choose(c.cboPc[4], 2);
        QCOMPARE(p.at(0xEC0C), 2);
        c.chkPc[5]->click();
        QCOMPARE(p.at(0xEC9A), 0x20);
        choose(c.cboVoxCmpDat[3], 99);
        QCOMPARE(p.at(0xE723), 99);
        QCOMPARE(c.cboVoxCmpDat[3]->toolTip(), QString("1281mv"));
        c.cmdPc[2]->click();
        QCOMPARE(p.bytes(0xE721, 10), (Bytes{0xAA, 0x9B, 0x8C, 0x7D, 0x6E, 0x5F, 0x50, 0x41, 0x32, 0x23}));
        QCOMPARE(c.cboVoxCmpDat[3]->currentIndex(), 140);

        // Page 2.
        p.page(2);
        c.listSkKey[2]->setCurrentRow(13);
        QCOMPARE(p.at(0xEC26), 13);
        choose(c.cboPc[35], 0);
        QCOMPARE(p.at(0xE713), 0);
        QVERIFY(!c.cboPc[36]->isEnabled());
        typeInto(c.txtPc[2], "Hi");
        QCOMPARE(p.bytes(0xE610, 6), (Bytes{0x48, 0x00, 0x69, 0x00, 0x00, 0x00}));
        typeInto(c.txtPc[10], "19x2");
        QCOMPARE(c.txtPc[10]->text(), QString("12"));
        QCOMPARE(p.bytes(0xE6E0, 6), (Bytes{1, 2, 0xFF, 0xFF, 0xFF, 0xFF}));

        // Page 3.
        p.page(3);
        typeInto(c.txtPc[4], "12a*#x");
        QCOMPARE(c.txtPc[4]->text(), QString("12AEF"));
        QCOMPARE(c.txtPc[4]->cursorPosition(), 5);
        QCOMPARE(p.bytes(0xE100, 6), (Bytes{0x31, 0x32, 0x41, 0x2A, 0x23, 0xFF}));
        typeInto(c.txtAutoMem[15], "5#az");
        QCOMPARE(c.txtAutoMem[15]->text(), QString("5FA"));
        QCOMPARE(p.bytes(0xE0F0, 4), (Bytes{0x35, 0x23, 0x41, 0xFF}));
        choose(c.cboPc[46], 100);
        QCOMPARE(p.bytes(0xEC2E, 2), (Bytes{100, 100}));
        QCOMPARE(c.cboPc[47]->currentIndex(), 100);
        typeInto(c.txtPc[7], "12");
        QVERIFY(!c.cboPc[53]->isEnabled());
        QTest::keyClicks(c.txtPc[7], "3");
        QVERIFY(c.cboPc[53]->isEnabled());

        // Page 4.
        p.page(4);
        choose(c.cboPc[57], 115);
        QCOMPARE(p.at(0xE602), 0xD1);
        c.chkPc[28]->click();
        QCOMPARE(p.at(0xEC3D), c.chkPc[28]->isChecked() ? 1 : 0);
        QVERIFY(p.errors.tags.empty());
    }

    void aLoadShowsEveryPageAgainAndStoresNothing() {
        Program p;
        channels::SettingsControls& c = p.c();
        model::Image file = m().IicDat;
        file[0xEC0C] = 20;
        file[0xEC26] = 14; // no such function: shown as Off and written back
        file[0xE130] = 0x31;
        file[0xE131] = 0x32;
        file[0xE132] = 0x33;
        const std::string path = p.home.file("other.LDat");
        app::WriteDataFile(path, file);
        shell::OpenFile(path, m());
        QCOMPARE(c.cboPc[4]->currentText(), QString("600s"));
        QCOMPARE(c.listSkKey[2]->currentRow(), 0);
        QCOMPARE(c.txtPc[7]->text(), QString("123"));
        QVERIFY(c.cboPc[53]->isEnabled());
        model::Image expected = file;
        expected[0xEC26] = 0;
        for (model::map::Addr a = 0xC800; a < 0xF000; ++a)
            if (m().IicDat[a] != expected[a]) QFAIL(qPrintable(QString("byte %1 changed").arg(a, 4, 16)));
    }

    void imagesOfAllZerosOrAllOnesShowOnEveryPageAndEveryControlStores() {
        for (const std::uint8_t fill : {std::uint8_t(0x00), std::uint8_t(0xFF)}) {
            Program p(3, [fill](model::Image& image) {
                std::fill(image.begin() + 0xC800, image.begin() + 0xF000, fill);
                std::fill(image.begin() + 0xF800, image.begin() + 0xFC00, fill);
            });
            channels::SettingsControls& c = p.c();
            const channels::SettingsPages& s = channels::settingsPages();
            QCOMPARE(s.OptLoading, std::int16_t(0));
            for (std::size_t i = 0; i < c.cboPc.size(); ++i)
                QCOMPARE(c.cboPc[i]->currentIndex(), s.cboPc[i].ListIndex);
            for (std::size_t i = 0; i < c.chkPc.size(); ++i)
                QCOMPARE(c.chkPc[i]->isChecked(), s.chkPc[i].Value != 0);
            for (std::size_t i = 0; i < c.txtPc.size(); ++i)
                QCOMPARE(c.txtPc[i]->text(), QString::fromStdString(s.txtPc[i].Text));
            for (std::size_t k = 0; k < c.listSkKey.size(); ++k)
                QCOMPARE(c.listSkKey[k]->currentRow(), s.listSkKey[k].ListIndex);
            for (int level = 1; level <= 10; ++level)
                QCOMPARE(c.cboVoxCmpDat[static_cast<std::size_t>(level)]->currentIndex(),
                         static_cast<int>(fill));
            QCOMPARE(c.vsfgGridPhoneBook->textMatrix(25, 1), QString());
            // Every kind of control stores afterwards.
            choose(c.cboPc[8], 3);
            QCOMPARE(p.at(0xEC05), 3);
            c.chkPc[3]->click();
            QCOMPARE(p.at(0xEC0B), c.chkPc[3]->isChecked() ? 1 : 0);
            typeInto(c.txtPc[5], "9");
            QCOMPARE(p.at(0xE110), 0x39);
            c.listSkKey[4]->setCurrentRow(2);
            QCOMPARE(p.at(0xEC36), 2);
            // Level 10 at the top resets all ten levels, once.
            choose(c.cboVoxCmpDat[10], 255);
            QCOMPARE(p.bytes(0xE721, 10),
                     (Bytes{0xAA, 0x9B, 0x8C, 0x7D, 0x6E, 0x5F, 0x50, 0x41, 0x32, 0x23}));
            QCOMPARE(c.cboVoxCmpDat[10]->currentIndex(), 35);
            editCell(*c.vsfgGridRadio, 25, 1, "87.0");
            QCOMPARE(p.bytes(0xE6B0, 4), (Bytes{0x00, 0x00, 0x70, 0x08}));
            QVERIFY(p.errors.tags.empty());
        }
    }

    // Loads one after another in the same window, between images that differ
    // in every settings byte: each leaves every control showing the image.
    void everyLoadInOneWindowShowsEveryControl() {
        Program p;
        channels::SettingsControls& c = p.c();
        QCOMPARE(notShown(c), QStringList());
        const model::Image first = m().IicDat;
        const std::string firstPath = p.home.file("first.LDat");
        app::WriteDataFile(firstPath, first);
        // -1: the patterned image; else every byte this value.
        for (const int fill : {-1, 0x00, 0xFF, -1, 0x00}) {
            model::Image file = first;
            if (fill < 0) {
                file = patterned(first);
            } else {
                std::fill(file.begin() + 0xC800, file.begin() + 0xF000, fill);
                std::fill(file.begin() + 0xF800, file.begin() + 0xFC00, fill);
            }
            const std::string path = p.home.file("fill.LDat");
            app::WriteDataFile(path, file);
            shell::OpenFile(path, m());
            QVERIFY2(notShown(c).isEmpty(),
                     qPrintable(QString("fill %1: ").arg(fill) + notShown(c).join(", ")));
            if (fill < 0) {
                // The pattern reached the fields it was made for.
                QVERIFY(!c.txtAutoMem[0]->text().isEmpty());
                QCOMPARE(c.vsfgGridTwoTone[0]->textMatrix(32, 1), QString("1320.0"));
                QCOMPARE(c.vsfgGridRadio->textMatrix(1, 1), QString("88.0"));
                QCOMPARE(c.txtPc[10]->text(), QString("123"));
                QCOMPARE(c.txtRdWrCode->text(), QString("XY"));
            }
        }
        shell::OpenFile(firstPath, m());
        QVERIFY2(notShown(c).isEmpty(), qPrintable(notShown(c).join(", ")));
        // Erased band limits are the band boxes' report; nothing else fails.
        for (const std::string& tag : p.errors.tags) QCOMPARE(tag, std::string("modChMem->ShowFreRange"));
    }

    void theSameFileLoadedTwiceGivesTheSameImage() {
        Program p;
        model::Image file = m().IicDat;
        // A read/write code with a code that shows nothing between its characters.
        const Bytes code{0x41, 0x00, 0xC8, 0x00, 0x42, 0x00, 0x20, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x34};
        std::copy(code.begin(), code.end(), file.begin() + 0xE780);
        const std::string path = p.home.file("a.LDat"), other = p.home.file("b.LDat");
        app::WriteDataFile(path, file);
        model::Image second = file;
        std::fill_n(second.begin() + 0xE780, 14, 0xFF);
        app::WriteDataFile(other, second);

        shell::OpenFile(path, m());
        QCOMPARE(p.c().txtRdWrCode->text(), QString("AB"));
        const model::Image first = m().IicDat;
        QCOMPARE(p.bytes(0xE780, 14), code);
        shell::OpenFile(other, m());
        QCOMPARE(p.c().txtRdWrCode->text(), QString());
        shell::OpenFile(path, m());
        QVERIFY(m().IicDat == first);
    }

    void withTheLockNoPageStoresAnything() {
        Program p;
        channels::SettingsControls& c = p.c();
        programtest::choose(*p.main, "mnuLockFace");
        QCOMPARE(app::shell().FaceLockState, std::string("ShowLock"));
        for (int i = 1; i <= 4; ++i) QVERIFY(!p.w->fraSysSet[static_cast<std::size_t>(i)]->isEnabled());
        const model::Image before = m().IicDat;
        const int shown = c.cboPc[4]->currentIndex();
        // Whatever still reaches a control is refused, and the control shows the image again.
        choose(c.cboPc[4], shown + 1);
        QCOMPARE(c.cboPc[4]->currentIndex(), shown);
        emit c.chkPc[3]->clicked(!c.chkPc[3]->isChecked());
        c.txtPc[4]->setText("123");
        emit c.txtPc[4]->textEdited("123");
        QCOMPARE(c.txtPc[4]->text(), QString());
        choose(c.cboVoxCmpDat[10], 255);
        c.listSkKey[0]->setCurrentRow(5);
        QCOMPARE(c.listSkKey[0]->currentRow(), static_cast<int>(before[0xEC24]));
        c.txtAutoMem[0]->setText("9");
        emit c.txtAutoMem[0]->textEdited("9");
        c.cmdPc[2]->click();
        c.cmdPc[3]->click(); // the volume dialog would open: nothing does
        platform::Grid& tones = *c.vsfgGridTwoTone[0];
        tones.setTextMatrix(1, 1, "1000");
        emit tones.afterEdit(1, 1);
        QCOMPARE(tones.textMatrix(1, 1), QString());
        c.cmdImportSeq->click();
        QVERIFY(p.dialogs.fileRequests.empty());
        // Restore Default Setting on the channel page loads no file.
        const std::string file = app::shell().CurFilePath;
        emit p.w->channelPage().cmdPc[0]->clicked();
        QCOMPARE(app::shell().CurFilePath, file);
        QVERIFY(m().IicDat == before);

        programtest::choose(*p.main, "mnuLockFace");
        for (int i = 1; i <= 4; ++i) QVERIFY(p.w->fraSysSet[static_cast<std::size_t>(i)]->isEnabled());
        choose(c.cboPc[4], 3);
        QCOMPARE(p.at(0xEC0C), 3);
    }

    void theHiddenButtonOpensTheVolumeDialog() {
        Program p(3, [](model::Image& image) {
            const Bytes levels{0x00, 69, 148, 120, 227, 79, 185, 156, 173, 175, 253, 0x00};
            std::copy(levels.begin(), levels.end(), image.begin() + 0xE730);
        });
        channels::SettingsControls& c = p.c();
        QVERIFY(c.cmdPc[3]->isHidden() || !c.cmdPc[3]->isVisibleTo(p.w));
        QCOMPARE(c.cmdPc[3]->text(), QString(">>"));
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<channels::frmSetVolume*>(QApplication::activeModalWidget());
            QVERIFY(d);
            opened = true;
            QCOMPARE(d->windowTitle(), QString("Set Volume"));
            QCOMPARE(d->lblVolumeLevel[1]->text(), QString("Volume  1 Level"));
            QCOMPARE(d->lblVolumeLevel[10]->text(), QString("Volume 10 Level"));
            QCOMPARE(d->chkVolMode->text(), QString("Volume Mode 2"));
            QCOMPARE(d->cboVolumeDat[1]->currentIndex(), 63); // mode 1: the step of 69
            QVERIFY(!d->chkVolumeIic->isChecked());           // 0x00 is no marker
            choose(d->cboVolumeDat[2], 100);
            QCOMPARE(m().IicDat[0xE732], m().VolumeTbl[100]);
            d->chkVolMode->click(); // mode 2: the lists show the bytes, nothing stored
            QCOMPARE(d->cboVolumeDat[1]->currentIndex(), 69);
            QCOMPARE(m().IicDat[0xE731], 69);
            QCOMPARE(app::ReadSetting(app::keys::VolumeMode), std::string("1"));
            d->cmdDefault->click();
            QVERIFY(d->chkVolumeIic->isChecked());
            d->cmdOk->click();
        });
        c.cmdPc[3]->click();
        QVERIFY(opened);
        QCOMPARE(p.bytes(0xE730, 12), (Bytes{108, 68, 60, 54, 48, 40, 32, 24, 16, 8, 0, 0x5A}));
        QCOMPARE(m().VolumeMode, std::int16_t(1));
    }

    void theSideGridsStoreTheEditedRowOnly() {
        Program p(3, [](model::Image& image) {
            // Two-tone 1: 300.0 Hz and 288.4 Hz, which a store of the whole list would change.
            const Bytes low{0xB8, 0x0B, 5, 0x44, 0x0B, 7, 3, 0x5A};
            std::copy(low.begin(), low.end(), image.begin() + 0xE400);
            const Bytes station{0x00, 0x50, 0x81, 0x09}; // 98.15 MHz
            std::copy(station.begin(), station.end(), image.begin() + 0xE650);
        });
        channels::SettingsControls& c = p.c();
        p.page(4);
        platform::Grid& tones = *c.vsfgGridTwoTone[0];
        QCOMPARE(tones.textMatrix(0, 1), QString("A Fre"));
        QCOMPARE(tones.textMatrix(1, 1), QString("300.0"));
        editCell(tones, 2, 1, "1000");
        editCell(tones, 2, 4, "0.9"); // no B tone: the duration goes
        editCell(tones, 2, 3, "5000");
        QCOMPARE(p.bytes(0xE408, 8), (Bytes{0x10, 0x27, 3, 0x30, 0x75, 3, 3, 0x5A}));
        QCOMPARE(tones.textMatrix(2, 3), QString("3000"));
        QCOMPARE(tones.textMatrix(2, 5), QString("0.3"));
        QCOMPARE(p.bytes(0xE400, 8), (Bytes{0xB8, 0x0B, 5, 0x44, 0x0B, 7, 3, 0x5A}));

        p.page(2);
        platform::Grid& stations = *c.vsfgGridRadio;
        QCOMPARE(stations.textMatrix(1, 1), QString("98.1"));
        editCell(stations, 2, 1, "108.0");
        QCOMPARE(p.bytes(0xE654, 4), (Bytes{0x00, 0x00, 0x80, 0x10}));
        editCell(stations, 3, 1, " ");
        QCOMPARE(p.bytes(0xE658, 4), Bytes(4, 0xFF));
        QCOMPARE(p.bytes(0xE650, 4), (Bytes{0x00, 0x50, 0x81, 0x09}));

        p.page(3);
        platform::Grid& book = *c.vsfgGridPhoneBook;
        QCOMPARE(book.textMatrix(0, 2), QString("Name"));
        editCell(book, 1, 1, "*12#");
        QCOMPARE(book.textMatrix(1, 1), QString("E12F"));
        QCOMPARE(p.bytes(0xE150, 5), (Bytes{0x2A, 0x31, 0x32, 0x23, 0xFF}));
        editCell(book, 1, 2, "ab?c");
        QCOMPARE(book.textMatrix(1, 2), QString("ABC   "));
        editCell(book, 1, 2, "");
        QCOMPARE(p.bytes(0xE2F0, 7), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}));
        QCOMPARE(book.textMatrix(1, 2), QString());

        // A cell still being edited goes into the image before a save or a write.
        book.setCurrentCell(2, 1);
        book.editCell();
        QTest::keyClicks(book.editor(), "77");
        programtest::modal<radiolink::ui::frmCommun>([&] { programtest::click(*p.main, "Write"); },
                                                     [](radiolink::ui::frmCommun& d) { d.close(); });
        QVERIFY(!book.isEditing());
        QCOMPARE(p.bytes(0xE160, 3), (Bytes{0x37, 0x37, 0xFF}));
    }

    void theSerialListFillsMessageLineOne() {
        Program p;
        channels::SettingsControls& c = p.c();
        p.page(2);
        QVERIFY(c.cmdSeqSwitch[0]->isHidden());
        QVERIFY(c.txtSeqExample->isHidden());
        p.home.write("empty.ini", "[SerialNo]\n");
        p.dialogs.files.push_back(p.home.file("empty.ini"));
        c.cmdImportSeq->click();
        QVERIFY(c.txtSeqExample->isVisible());
        p.home.write("list.ini", "[SerialNo]\n1=SN-0001\n2=SN-0002\n");
        p.dialogs.files.push_back(p.home.file("list.ini"));
        c.cmdImportSeq->click();
        QCOMPARE(c.cboImportSeq->count(), 2);
        QCOMPARE(c.cboImportSeq->currentText(), QString("0001 -- SN-0001"));
        QCOMPARE(c.txtPc[2]->text(), QString("SN-0001"));
        QVERIFY(c.cmdSeqSwitch[1]->isVisible() && c.chkAutoNextSn->isVisible());
        QVERIFY(c.txtSeqExample->isHidden());
        c.cmdSeqSwitch[1]->click();
        QCOMPARE(c.txtPc[2]->text(), QString("SN-0002"));
        QCOMPARE(p.bytes(0xE610, 4), (Bytes{'S', 0x00, 'N', 0x00}));
        QCOMPARE(p.at(0xE610 + 2 * 6), '2');
        choose(c.cboImportSeq, 0);
        QCOMPARE(c.txtPc[2]->text(), QString("SN-0001"));
        // The dialog started in the folder of the current file.
        QCOMPARE(QDir(QString::fromStdString(p.dialogs.fileRequests[0].initialDir)),
                 QDir(QFileInfo(QString::fromStdString(app::shell().CurFilePath)).path()));
    }

    // A list imported again that differs only inside shows its new entries,
    // and choosing one stores the number the user sees.
    void aListImportedAgainShowsItsNewEntries() {
        Program p;
        channels::SettingsControls& c = p.c();
        p.page(2);
        importList(p, "[SerialNo]\n1=SN-0001\n2=SN-0002\n3=SN-0003\n");
        importList(p, "[SerialNo]\n1=SN-0001\n2=SN-0777\n3=SN-0003\n");
        QCOMPARE(c.cboImportSeq->count(), 3);
        QCOMPARE(c.cboImportSeq->itemText(1), QString("0002 -- SN-0777"));
        choose(c.cboImportSeq, 1);
        QCOMPARE(c.cboImportSeq->currentText(), QString("0002 -- SN-0777"));
        QCOMPARE(c.txtPc[2]->text(), QString("SN-0777"));
        QCOMPARE(p.bytes(0xE610 + 2 * 3, 6), (Bytes{'0', 0x00, '7', 0x00, '7', 0x00}));
    }

    void restoringTheDefaultsKeepsTheAlignmentArea() {
        Program p;
        std::fill_n(m().IicDat.begin() + 0xE800, 1024, 0x77);
        m().IicDat[0xECA2] = 0xC2;
        p.w->channelPage().cmdPc[0]->click();
        QCOMPARE(app::shell().CurFilePath, p.home.file("DefRadioSet.def"));
        QCOMPARE(p.bytes(0xE800, 3), Bytes(3, 0x77));
        QCOMPARE(p.at(0xECA2) & 0xC2, 0xC2);
    }

    // The pages fit the window at its start size in each language, the
    // serial list's example and its step buttons included.
    void everyPageFitsTheWindow() {
        for (int lang : {1, 2, 3}) {
            Program p(lang);
            QCOMPARE(p.main->size(), QSize(881, 639));
            auto check = [&](int page, const char* state) {
                p.page(page);
                // What the user sees once the page has settled after a change.
                QWidget* frame = p.w->fraSysSet[static_cast<std::size_t>(page)];
                const bool whole = QTest::qWaitFor([frame] { return cutOff(frame).isEmpty(); }, 2000);
                const QStringList cut = cutOff(frame);
                QVERIFY2(whole, qPrintable(QString("language %1, page %2 %3: %4")
                                               .arg(lang)
                                               .arg(page)
                                               .arg(state, cut.join("; "))));
            };
            for (int i = 0; i <= 4; ++i) check(i, "");
            importList(p, "[SerialNo]\n");
            check(2, "with the example");
            importList(p, "[SerialNo]\n1=SN-0001\n");
            check(2, "with a list");
        }
    }

    // Run under xvfb-run with TAVORIN_SCREENSHOT_DIR set: the four settings
    // pages in the three languages, saved for a look.
    void screenshots() {
        const QString dir = testsupport::askedScreenshotFolder();
        if (dir.isEmpty()) QSKIP("TAVORIN_SCREENSHOT_DIR is not set");
        for (int lang : {1, 2, 3}) {
            Program p(lang);
            importList(p, "[SerialNo]\n1=SN-0001\n");
            for (int i = 1; i <= 4; ++i) {
                p.page(i);
                QTest::qWait(50); // the page's layout settled; grab() paints it itself
                const QString shot = dir + QString("/frmChMem-page%1-%2.png").arg(i).arg(lang);
                QVERIFY(p.main->grab().save(shot));
                qInfo("saved %s", qPrintable(shot));
            }
        }
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "SettingsWindowTest.moc"

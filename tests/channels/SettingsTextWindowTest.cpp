// The settings pages' text boxes as a user types into them, key by key, in
// the channel window of the program as it opens; and the serial-number list
// that fills message line 1, imported through its button.
#include "channels/SettingsState.h"
#include "channels/ui/SettingsControls.h"
#include "channels/ui/frmChMem.h"
#include "model/ImageMap.h"
#include "model/Model.h"

#include "app/DataFile.h"
#include "app/FaceText.h"
#include "app/Shell.h"
#include "charcode/HanZi.h"
#include "shell/FileCommands.h"
#include "tests/program/ProgramFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace {

model::ModelState& m() {
    return model::state();
}

Bytes bytes(model::map::Addr a, std::size_t n) {
    return {m().IicDat.begin() + a, m().IicDat.begin() + static_cast<std::ptrdiff_t>(a + n)};
}

Bytes codes(const std::string& text, int n) {
    return charcode::TextToHanZi(charcode::HanZiTbl(), text, n);
}

Bytes with(Bytes b, std::initializer_list<std::uint8_t> more) {
    b.insert(b.end(), more);
    return b;
}

// Message lines, power-on message and read/write code erased: empty boxes.
void emptyTexts(model::Image& image) {
    std::fill_n(image.begin() + model::map::MessageLine1, 64, 0xFF);
    std::fill_n(image.begin() + 0xE6D0, 14, 0xFF);
    std::fill_n(image.begin() + model::map::RdWrCode, 14, 0xFF);
}

struct Program : programtest::StartedProgram {
    explicit Program(int lang, const std::function<void(model::Image&)>& image = {})
        : programtest::StartedProgram(lang, image) {}

    channels::SettingsControls& c() const { return chMem->settings(); }

    // The user clicks the tab of the page that holds w.
    void pageOf(QWidget* w) const {
        QTabWidget* tabs = chMem->sstabSetMode;
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->widget(i)->isAncestorOf(w)) continue;
            QTabBar* bar = tabs->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            QCOMPARE(tabs->currentIndex(), i);
            QVERIFY(w->isVisible());
            return;
        }
        QFAIL("no page holds the control");
    }

    // The user imports the list file of this content with the import button.
    void importList(const std::string& content) {
        home.write("list.ini", content);
        dialogs.files.push_back(home.file("list.ini"));
        QTest::mouseClick(c().cmdImportSeq, Qt::LeftButton);
    }
};

// The user types: ASCII on the keyboard, other characters one by one as an
// input method hands them over.
void type(QLineEdit* box, const QString& keys) {
    for (const QChar k : keys) {
        if (k.unicode() < 0x80) {
            QTest::keyClicks(box, QString(k));
            continue;
        }
        QInputMethodEvent commit;
        commit.setCommitString(k);
        QApplication::sendEvent(box, &commit);
    }
}

// The user clicks into a box shown on a page and types at its end.
void typeAtEnd(QLineEdit* box, const QString& keys) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_End);
    type(box, keys);
}

} // namespace

class SettingsTextWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Spaces typed at the end of a text stay for the word that follows; the
    // image holds the same bytes as without them, and a load shows the
    // image's text again.
    void aSpaceTypedAtTheEndStays() {
        Program p(3, emptyTexts);
        channels::SettingsControls& c = p.c();
        QLineEdit* line1 = c.txtPc[2];
        p.pageOf(line1);
        typeAtEnd(line1, "HELLO TEST");
        QCOMPARE(line1->text(), QString("HELLO TEST"));
        QCOMPARE(bytes(0xE610, 32), codes("HELLO TEST", 16));
        // A space at the end, then a letter before the text: the caret stays.
        QTest::keyClick(line1, Qt::Key_Space);
        QTest::keyClick(line1, Qt::Key_Home);
        QTest::keyClicks(line1, "X");
        QCOMPARE(line1->text(), QString("XHELLO TEST "));
        QCOMPARE(line1->cursorPosition(), 1);
        QCOMPARE(bytes(0xE610, 32), codes("XHELLO TEST", 16));

        QLineEdit* line2 = c.txtPc[3];
        typeAtEnd(line2, QString::fromUtf8("中文 AB  "));
        QCOMPARE(line2->text(), QString::fromUtf8("中文 AB  "));
        QCOMPARE(bytes(0xE630, 32), codes("中文 AB", 16));
        // The other line shows the image's text again.
        QCOMPARE(line1->text(), QString("XHELLO TEST"));

        // The power-on message comes back in capitals, the caret where typed.
        QLineEdit* powerOn = c.txtPc[9];
        p.pageOf(powerOn);
        typeAtEnd(powerOn, "hi yo");
        QCOMPARE(powerOn->text(), QString("HI YO"));
        QTest::keyClick(powerOn, Qt::Key_Home);
        QTest::keyClick(powerOn, Qt::Key_Right);
        QTest::keyClick(powerOn, Qt::Key_Right);
        QTest::keyClicks(powerOn, "x");
        QCOMPARE(powerOn->text(), QString("HIX YO"));
        QCOMPARE(powerOn->cursorPosition(), 3);
        QTest::keyClick(powerOn, Qt::Key_End);
        QTest::keyClick(powerOn, Qt::Key_Space);
        QCOMPARE(powerOn->text(), QString("HIX YO "));
        QCOMPARE(bytes(0xE6D7, 6), (Bytes{17, 18, 33, 36, 34, 24}));

        // The boxes of the hidden holder take the keys the same way.
        QTest::keyClicks(c.txtPc[8], "A B ");
        QCOMPARE(c.txtPc[8]->text(), QString("A B "));
        QCOMPARE(bytes(0xE6D0, 6), (Bytes{10, 36, 11, 36, 36, 36}));
        QTest::keyClicks(c.txtRdWrCode, "AB ");
        QCOMPARE(c.txtRdWrCode->text(), QString("AB "));
        QTest::keyClick(c.txtRdWrCode, Qt::Key_Home);
        QTest::keyClicks(c.txtRdWrCode, "Z");
        QCOMPARE(c.txtRdWrCode->text(), QString("ZAB "));
        QCOMPARE(c.txtRdWrCode->cursorPosition(), 1);
        QCOMPARE(bytes(model::map::RdWrCode, 14), with(codes("ZAB", 6), {0xFF, 0xFF}));
        // A character the radio lacks goes; the caret stays where it was typed.
        QTest::keyClick(c.txtRdWrCode, Qt::Key_Home);
        QTest::keyClicks(c.txtRdWrCode, "\"");
        QCOMPARE(c.txtRdWrCode->text(), QString("ZAB"));
        QCOMPARE(c.txtRdWrCode->cursorPosition(), 1);
        QCOMPARE(bytes(model::map::RdWrCode, 14), with(codes("ZAB", 6), {0xFF, 0xFF}));
        QTest::keyClicks(c.txtNewRdWrCode, "12 3 ");
        QCOMPARE(c.txtNewRdWrCode->text(), QString("12 3 "));
        QCOMPARE(Bytes(m().NewRdWrCode.begin(), m().NewRdWrCode.end()),
                 with(codes("12 3", 6), {0xFF, 0xFF, 0xFF, 0xFF}));

        // A load shows each text as the image holds it.
        const model::Image typed = m().IicDat;
        const std::string path = p.home.file("typed.LDat");
        app::WriteDataFile(path, typed);
        shell::OpenFile(path, m());
        QCOMPARE(line1->text(), QString("XHELLO TEST"));
        QCOMPARE(line2->text(), QString::fromUtf8("中文 AB"));
        QCOMPARE(powerOn->text(), QString("HIX YO"));
        QCOMPARE(c.txtPc[8]->text(), QString("A B"));
        QCOMPARE(c.txtRdWrCode->text(), QString("ZAB"));
        QCOMPARE(bytes(0xE610, 64), Bytes(typed.begin() + 0xE610, typed.begin() + 0xE650));
        QCOMPARE(bytes(0xE6D0, 14), Bytes(typed.begin() + 0xE6D0, typed.begin() + 0xE6DE));
        QCOMPARE(bytes(model::map::RdWrCode, 14),
                 Bytes(typed.begin() + model::map::RdWrCode, typed.begin() + model::map::RdWrCode + 14));
    }

    // The power-on message holds six characters: what is typed past a
    // space that filled the line goes, and the space stays, as a letter
    // typed past the sixth does.
    void aWordPastAFullPowerOnLineGoes() {
        Program p(3, emptyTexts);
        QLineEdit* powerOn = p.c().txtPc[9];
        p.pageOf(powerOn);
        typeAtEnd(powerOn, "hello world");
        QCOMPARE(powerOn->text(), QString("HELLO "));
        QCOMPARE(bytes(0xE6D7, 6), (Bytes{17, 14, 21, 21, 24, 36}));
        typeAtEnd(powerOn, "x");
        QCOMPARE(powerOn->text(), QString("HELLO "));
        QCOMPARE(bytes(0xE6D7, 6), (Bytes{17, 14, 21, 21, 24, 36}));
        // Without the space a letter past the sixth goes too.
        QTest::keyClick(powerOn, Qt::Key_Backspace);
        typeAtEnd(powerOn, "wo");
        QCOMPARE(powerOn->text(), QString("HELLOW"));
        QCOMPARE(bytes(0xE6D7, 6), (Bytes{17, 14, 21, 21, 24, 32}));
    }

    // A list that would give two radios one number is refused with a
    // message in the interface language naming the entries; the list in use
    // and message line 1 stay.
    void aRefusedListKeepsTheListInUse_data() {
        QTest::addColumn<int>("lang");
        QTest::newRow("Simplified Chinese") << 1;
        QTest::newRow("Traditional Chinese") << 2;
        QTest::newRow("English") << 3;
    }
    void aRefusedListKeepsTheListInUse() {
        QFETCH(int, lang);
        Program p(lang, emptyTexts);
        channels::SettingsControls& c = p.c();
        p.pageOf(c.cmdImportSeq);
        // What the one message box since the last look said, under its title.
        auto told = [&p]() -> std::string {
            if (p.dialogs.asked.size() != 1) return std::to_string(p.dialogs.asked.size()) + " messages";
            const auto asked = p.dialogs.asked[0];
            p.dialogs.asked.clear();
            if (asked.title != app::text(app::kTextNotice) || asked.icon != platform::Icon::Critical)
                return "a message of another kind";
            return asked.text;
        };
        auto has = [](const std::string& t, const std::string& part) {
            return t.find(part) != std::string::npos;
        };
        const std::string lead = app::text(app::TextKey::SerialListNotImported, lang),
                          kept = app::text(app::TextKey::SerialListKept, lang);

        // Before any list: a file without entries shows the example.
        p.importList("[SerialNo]\n");
        std::string t = told();
        QVERIFY2(t.rfind(lead + "\n", 0) == 0 && has(t, p.home.file("list.ini")) && !has(t, kept), t.c_str());
        QVERIFY(c.txtSeqExample->isVisible());
        QCOMPARE(c.cboImportSeq->count(), 0);

        p.importList("[SerialNo]\n1=SN-0001\n2=SN-0002\n3=SN-0003\n");
        QVERIFY(p.dialogs.asked.empty());
        QTest::mouseClick(c.cmdSeqSwitch[1], Qt::LeftButton);
        QCOMPARE(c.txtPc[2]->text(), QString("SN-0002"));
        const Bytes line = bytes(0xE610, 32);

        const struct {
            const char* content;
            std::vector<std::string> named;
        } refused[] = {
            {"[SerialNo]\n1=SN-2026-BATCH-A-0001\n2=SN-2026-BATCH-A-0002\n",
             {"0001 -- SN-2026-BATCH-A-0001", "0002 -- SN-2026-BATCH-A-0002", "\"SN-2026-BATCH-A-\""}},
            {"[SerialNo]\n1=SN-1\n2=序列号一二三四五六七八九十甲乙丙丁戊\n",
             {"0002 -- 序列号一二三四五六七八九十甲乙丙丁戊"}},
            {"[SerialNo]\n1=SN-7\n2=SN-8\n3=SN-7\n", {"0001 -- SN-7", "0003 -- SN-7"}},
            {"[Serial]\n1=SN-1\n", {p.home.file("list.ini")}},
        };
        for (const auto& r : refused) {
            p.importList(r.content);
            t = told();
            QVERIFY2(t.rfind(lead + "\n", 0) == 0, t.c_str());
            QVERIFY2(t.size() > kept.size() && t.substr(t.size() - kept.size()) == kept, t.c_str());
            for (std::string named : r.named) {
                // The quotes are the language's own.
                if (lang != 3 && named.front() == '"') named = named.substr(1, named.size() - 2);
                QVERIFY2(has(t, named), (named + " in " + t).c_str());
            }
            QCOMPARE(c.cboImportSeq->count(), 3);
            QCOMPARE(c.cboImportSeq->currentText(), QString("0002 -- SN-0002"));
            QVERIFY(c.cmdSeqSwitch[1]->isVisible() && c.chkAutoNextSn->isVisible());
            QVERIFY(c.txtSeqExample->isHidden());
            QCOMPARE(c.txtPc[2]->text(), QString("SN-0002"));
            QCOMPARE(bytes(0xE610, 32), line);
        }
    }
};

QTEST_MAIN(SettingsTextWindowTest)
#include "SettingsTextWindowTest.moc"

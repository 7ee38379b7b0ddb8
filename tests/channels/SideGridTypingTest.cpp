// The side grids of the settings pages as a user types into them in the
// program: a value typed into a cell's list picks the item it spells, and a
// value typed over a cell's text replaces it, whether a click on the current
// cell or a key opened the cell.
#include "channels/ui/SettingsControls.h"
#include "channels/ui/frmChMem.h"
#include "model/Model.h"
#include "platform/ui/Grid.h"

#include "tests/program/ProgramFixture.h"

#include <QElapsedTimer>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using Bytes = std::vector<std::uint8_t>;

namespace {

struct Program : programtest::StartedProgram {
    QElapsedTimer sinceClick;

    Program() : programtest::StartedProgram(3) {}

    channels::SettingsControls& c() const { return chMem->settings(); }
    Bytes bytes(std::size_t at, std::size_t n) const {
        const auto from = model::state().IicDat.begin() + static_cast<std::ptrdiff_t>(at);
        return {from, from + static_cast<std::ptrdiff_t>(n)};
    }
    void page(int i) const {
        QTabBar* tabs = chMem->sstabSetMode->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
        QCOMPARE(chMem->sstabSetMode->currentIndex(), i);
    }
    void click(platform::Grid& g, int row, int col) {
        if (sinceClick.isValid() && sinceClick.elapsed() <= QApplication::doubleClickInterval() + 20)
            QTest::qWait(QApplication::doubleClickInterval() + 20 - static_cast<int>(sinceClick.elapsed()));
        g.showCell(row, col);
        QTest::mouseClick(g.container(), Qt::LeftButton, {}, g.cellRect(row, col).center());
        sinceClick.start();
    }
    // Opens the cell as the user does and types keys into it, then Return.
    void type(platform::Grid& g, int row, int col, bool byKey, const QString& keys) {
        click(g, row, col); // the cell becomes current, or opens when it was
        if (byKey && g.isEditing()) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        if (!byKey && !g.isEditing()) click(g, row, col);
        QCOMPARE(g.isEditing(), !byKey);
        for (const QChar k : keys) QTest::keyClick(QApplication::focusWidget(), k.toLatin1());
        QVERIFY(g.isEditing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!g.isEditing());
    }
};

} // namespace

class SideGridTypingTest : public QObject {
    Q_OBJECT
  private slots:
    void typedValuesReachTheImage_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("a click on the current cell") << false;
        QTest::newRow("a key") << true;
    }
    void typedValuesReachTheImage() {
        QFETCH(bool, byKey);
        Program p;
        p.page(2);
        platform::Grid& stations = *p.c().vsfgGridRadio;
        p.type(stations, 1, 1, byKey, "98.1");
        QCOMPARE(stations.textMatrix(1, 1), QString("98.1"));
        QCOMPARE(p.bytes(0xE650, 4), (Bytes{0x00, 0x00, 0x81, 0x09}));
        p.type(stations, 2, 1, byKey, "101.7");
        QCOMPARE(p.bytes(0xE654, 4), (Bytes{0x00, 0x00, 0x17, 0x10}));

        p.page(4);
        platform::Grid& tones = *p.c().vsfgGridTwoTone[0];
        p.type(tones, 1, 1, byKey, "1000");
        p.type(tones, 1, 1, byKey, "1500"); // over the text shown
        QCOMPARE(tones.textMatrix(1, 1), QString("1500"));
        p.type(tones, 1, 2, byKey, "1.5");
        QCOMPARE(tones.textMatrix(1, 2), QString("1.5"));
        QCOMPARE(p.bytes(0xE400, 3), (Bytes{0x98, 0x3A, 15}));
        QVERIFY(p.errors.tags.empty());
    }

    // Once a cell's edit ends with Return, the keys are the grid's: an arrow
    // moves on and the next value is typed with no click.
    void theNextCellIsTypedWithoutAClick_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("shown");
        QTest::newRow("FM stations") << 2 << "vsfgGridRadio"
                                     << "98.1" << int(Qt::Key_Down) << "101.7" << 2 << 1 << "101.7";
        QTest::newRow("phone book") << 3 << "vsfgGridPhoneBook"
                                    << "123" << int(Qt::Key_Right) << "abc" << 1 << 2 << "ABC";
        QTest::newRow("two-tone") << 4 << "vsfgGridTwoTone_0"
                                  << "1000" << int(Qt::Key_Right) << "1.5" << 1 << 2 << "1.5";
    }
    void theNextCellIsTypedWithoutAClick() {
        QFETCH(int, page);
        QFETCH(QString, grid);
        QFETCH(QString, first);
        QFETCH(int, arrow);
        QFETCH(QString, keys);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, shown);
        Program p;
        p.page(page);
        auto* g = p.chMem->findChild<platform::Grid*>(grid);
        QVERIFY(g);
        p.type(*g, 1, 1, true, first);
        QCOMPARE(QApplication::focusWidget(), g->view());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(arrow));
        for (const QChar k : keys) QTest::keyClick(QApplication::focusWidget(), k.toLatin1());
        QVERIFY(g->isEditing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!g->isEditing());
        QVERIFY2(g->textMatrix(row, col).startsWith(shown), qPrintable(g->textMatrix(row, col)));
        QCOMPARE(QApplication::focusWidget(), g->view());
        QVERIFY(p.errors.tags.empty());
    }
};

QTEST_MAIN(SideGridTypingTest)
#include "SideGridTypingTest.moc"

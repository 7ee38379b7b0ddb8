// Where windows open (platform::placeWindow): inside the screen's available
// area, no larger than it, and offset from the window that opened them and
// from any other window, also where the screen's edge pushes them back.
#include "platform/ui/Widgets.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include <memory>

namespace {

QRect area() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

std::unique_ptr<QWidget> shownWindow(const QRect& frame) {
    auto w = std::make_unique<QWidget>(nullptr, Qt::Window);
    w->resize(frame.size());
    w->move(frame.topLeft());
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) qWarning("not exposed");
    return w;
}

} // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void windowsOpenInsideTheScreenOffsetFromTheirOpener_data() {
        QTest::addColumn<QRect>("opener"); // empty: none
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("dialog");
        const QRect a = area();
        const QRect middle(a.center() - QPoint(200, 150), QSize(400, 300));
        QTest::newRow("no opener: the middle of the screen") << QRect() << QSize(300, 200) << false;
        QTest::newRow("larger than the screen") << QRect() << a.size() + QSize(300, 300) << false;
        QTest::newRow("a window down the cascade") << middle << QSize(400, 300) << false;
        QTest::newRow("a dialog centred over its opener") << middle << QSize(200, 100) << true;
        QTest::newRow("a dialog as large as its opener") << middle << QSize(400, 300) << true;
        QTest::newRow("opener in the bottom right corner")
            << QRect(a.bottomRight() - QPoint(399, 299), QSize(400, 300)) << QSize(400, 300) << false;
        QTest::newRow("opener as large as the screen") << a << a.size() << false;
    }
    void windowsOpenInsideTheScreenOffsetFromTheirOpener() {
        QFETCH(QRect, opener);
        QFETCH(QSize, size);
        QFETCH(bool, dialog);
        std::unique_ptr<QWidget> from;
        if (!opener.isEmpty()) from = shownWindow(opener);
        QWidget window(nullptr, dialog ? Qt::Dialog : Qt::Window);
        window.resize(size);
        platform::placeWindow(window, from.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(area().contains(window.frameGeometry()));
        // Centred, give or take the frame, which is only guessed before a
        // show when there is no opener to take it from.
        auto near = [](QPoint a, QPoint b, int by) { return (a - b).manhattanLength() <= by; };
        if (!from) {
            if (size.width() < area().width())
                QVERIFY(near(window.frameGeometry().center(), area().center(), 40));
            return;
        }
        QVERIFY(window.pos() != from->pos());
        if (dialog && size.width() < opener.width())
            QVERIFY(near(window.frameGeometry().center(), from->frameGeometry().center(), 4));
    }

    void twoWindowsOpenedFromOneLieApart() {
        auto opener = shownWindow(QRect(area().topLeft() + QPoint(50, 50), QSize(300, 200)));
        QWidget first(nullptr, Qt::Window), second(nullptr, Qt::Window);
        for (QWidget* w : {&first, &second}) {
            w->resize(300, 200);
            platform::showModeless(*w, opener.get());
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        QVERIFY(first.pos() != opener->pos());
        QVERIFY(second.pos() != first.pos());
        QVERIFY(second.pos() != opener->pos());
        // Shown again, an open window stays where the user has it.
        first.move(first.pos() + QPoint(5, 5));
        const QPoint moved = first.pos();
        platform::showModeless(first, opener.get());
        QCOMPARE(first.pos(), moved);
    }

    void aShownWindowThatGrewMovesBackInside() {
        auto w = shownWindow(QRect(area().topLeft() + QPoint(100, 100), QSize(300, 200)));
        w->resize(300, area().height() - 50);
        QVERIFY(!area().contains(w->frameGeometry()));
        platform::keepOnScreen(*w);
        QVERIFY(area().contains(w->frameGeometry()));
        QCOMPARE(w->x(), area().left() + 100); // only as far as it must
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"

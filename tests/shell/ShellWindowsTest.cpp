#include "shell/ui/frmShowErr.h"
#include "shell/ui/mdifrmMain.h"

#include <QPointer>
#include <QtTest>

#include <memory>

class ShellWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void mainWindowShows() {
        shell::mdifrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.isVisible());
    }
    // One window, a window of its own, that goes with its owner.
    void noticeWindowIsOneEmptyWindow() {
        auto owner = std::make_unique<QWidget>();
        shell::frmShowErr& a = shell::frmShowErr::instance(*owner);
        a.show();
        shell::frmShowErr& b = shell::frmShowErr::instance(*owner);
        b.show();
        QCOMPARE(&a, &b);
        QVERIFY(a.isWindow());
        QCOMPARE(a.parentWidget(), nullptr);
        QCOMPARE(a.windowTitle(), QStringLiteral("Notice"));
        QCOMPARE(a.listShowErr->count(), 0);
        QPointer<shell::frmShowErr> shown = &a;
        owner.reset();
        QVERIFY(shown.isNull());
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "ShellWindowsTest.moc"

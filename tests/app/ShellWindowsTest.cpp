#include "app/ui/frmShowErr.h"
#include "app/ui/mdifrmMain.h"

#include <QtTest>

class ShellWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void mainWindowShows() {
        app::mdifrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.isVisible());
    }
    void noticeWindowIsOneEmptyWindow() {
        app::frmShowErr& a = app::frmShowErr::instance();
        a.show();
        app::frmShowErr& b = app::frmShowErr::instance();
        b.show();
        QCOMPARE(&a, &b);
        QCOMPARE(a.windowTitle(), QStringLiteral("Notice"));
        QCOMPARE(a.listShowErr->count(), 0);
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "ShellWindowsTest.moc"

#include "shell/ui/frmShowErr.h"
#include "shell/ui/mdifrmMain.h"

#include <QtTest>

class ShellWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void mainWindowShows() {
        shell::mdifrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.isVisible());
    }
    void noticeWindowIsOneEmptyWindow() {
        shell::frmShowErr& a = shell::frmShowErr::instance();
        a.show();
        shell::frmShowErr& b = shell::frmShowErr::instance();
        b.show();
        QCOMPARE(&a, &b);
        QCOMPARE(a.windowTitle(), QStringLiteral("Notice"));
        QCOMPARE(a.listShowErr->count(), 0);
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "ShellWindowsTest.moc"

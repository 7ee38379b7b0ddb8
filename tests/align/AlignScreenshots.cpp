// The factory windows on a real X server (run under xvfb-run), saved as
// pictures to look at: the alignment window expanded, the keypad, and the
// register window's three tabs with every panel shown. TAVORIN_SCREENSHOTS
// names the folder.
#include "align/AdjParaShow.h"
#include "align/ui/FieldWidgets.h"
#include "link/LinkState.h"
#include "tests/align/WindowFixture.h"
#include "tests/support/Screenshot.h"

#include <QPushButton>
#include <QTabWidget>

using namespace align;
using namespace align::ui;

class AlignScreenshots : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    void factoryWindows() {
        aligntest::WindowFixture f;
        // Values from the image, as the display shows them in test mode.
        model::Image& image = model::IicDat();
        for (int i = 0; i < 0x400; ++i) image[0xE800 + i] = static_cast<std::uint8_t>(i * 37);
        for (int i = 0; i < 0x400; ++i) image[0xF800 + i] = static_cast<std::uint8_t>(i * 11 + 60);
        radiolink::linkState().TmFlag = -1;
        AdjParaShow(state(), radiolink::linkState(), image);
        radiolink::linkState().TmFlag = 0;

        frmAdjMode& mode = frmAdjMode::instance();
        mode.move(20, 20);
        mode.show();
        mode.cmdAdjPwr->click();
        testsupport::saveShown(mode, QStringLiteral("frmAdjMode"));

        frmVitualKey& keys = frmVitualKey::instance();
        keys.move(40, 40);
        keys.show();
        testsupport::saveShown(keys, QStringLiteral("frmVitualKey"));

        frmAdjMore& more = frmAdjMore::instance();
        for (CodeButton b : {CodeButton::cmdRespDevSql, CodeButton::cmdSqlPara}) {
            f.answerNextCode(QString::fromStdString(f.code(b)));
            (b == CodeButton::cmdSqlPara ? more.cmdSqlPara : more.cmdRespDevSql)->click();
        }
        more.move(10, 10);
        more.show();
        for (int tab = 0; tab < 3; ++tab) {
            more.sstabAdjMore->setCurrentIndex(tab);
            testsupport::saveShown(more, QStringLiteral("frmAdjMore-%1").arg(tab));
        }
    }
};

QTEST_MAIN(AlignScreenshots)
#include "AlignScreenshots.moc"

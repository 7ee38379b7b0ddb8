#pragma once
// A window as the screen shows it (run on a real X server), so that an open
// menu or list shows as well, saved as <folder>/<name>.png.
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <QtTest>

namespace testsupport {

inline void saveScreenshot(QWidget& w, const QString& folder, const QString& name) {
    const QRect r = w.frameGeometry();
    QPixmap shot = w.screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    if (shot.isNull()) shot = w.grab();
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(folder + "/" + name + ".png"));
}

// The folder the pictures go to: TAVORIN_SCREENSHOTS, else the temporary
// folder; made if missing.
inline QString screenshotFolder() {
    const QString folder = qEnvironmentVariable("TAVORIN_SCREENSHOTS", QDir::tempPath());
    QDir().mkpath(folder);
    return folder;
}

// The folder a run that asks for pictures names (TAVORIN_SCREENSHOT_DIR),
// made if missing; empty when the run asks for none.
inline QString askedScreenshotFolder() {
    const QString folder = qEnvironmentVariable("TAVORIN_SCREENSHOT_DIR");
    if (!folder.isEmpty()) QDir().mkpath(folder);
    return folder;
}

// Saves the window into the first folder once it is shown and has painted.
inline void saveShown(QWidget& w, const QString& name) {
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(200);
    saveScreenshot(w, screenshotFolder(), name);
}

} // namespace testsupport

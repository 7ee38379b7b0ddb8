#pragma once
// The system's double-click time in the window tests: a quick hand's, as a
// user may set it. The program reads no double-click time of its own; Qt's
// widgets do, and the tests keep their clicks apart by it
// (QApplication::doubleClickInterval()), so a short one keeps every click a
// click of its own and costs the tests little real waiting.
#include <QApplication>

namespace testsupport {

constexpr int kQuickDoubleClickMs = 50;

inline void useQuickDoubleClicks() {
    QApplication::setDoubleClickInterval(kQuickDoubleClickMs);
}

} // namespace testsupport

#pragma once
// Texts of the interface language for the windows: the one place where a
// window turns a text of the text table into a QString.
#include <QString>

namespace app {

// Entry `entry` of FaceText.
QString face(int entry);

} // namespace app

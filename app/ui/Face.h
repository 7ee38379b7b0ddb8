#pragma once
// Texts of the interface language for the windows: the one place where a
// window turns an interface text (app/FaceText.h) into a QString.
#include "app/FaceText.h"

#include <QString>

namespace app {

// Entry `entry` of FaceText.
QString face(int entry);
// A text of the named table in LangIndex.
QString face(TextKey key);

} // namespace app

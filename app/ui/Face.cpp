#include "app/ui/Face.h"

namespace app {

QString face(int entry) {
    return QString::fromStdString(text(entry));
}

QString face(TextKey key) {
    return QString::fromStdString(text(key));
}

} // namespace app

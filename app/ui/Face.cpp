#include "app/ui/Face.h"

#include "app/Shell.h"

namespace app {

QString face(int entry) {
    return QString::fromStdString(shell().FaceText.at(static_cast<std::size_t>(entry)));
}

} // namespace app

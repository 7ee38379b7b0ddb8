#pragma once
// The interface font that start-up chose from the settings, made one that
// this machine has and that carries the language's script.
#include <QString>

namespace app {

QString ResolveFaceFont(const QString& family, int langIndex);

} // namespace app

#pragma once
// The interface font that start-up chose from the settings, made one that
// this machine has and that carries the language's script.
#include <QString>
#include <QWidget>

#include <initializer_list>

namespace app {

QString ResolveFaceFont(const QString& family, int langIndex);

// Gives each widget the interface font FaceFontName (size unchanged, or
// pointSize when given).
void UseFaceFont(std::initializer_list<QWidget*> widgets, double pointSize = 0);

} // namespace app

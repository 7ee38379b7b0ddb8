#pragma once
// What the factory windows of the flash tools share: fixed Simplified
// Chinese captions whatever the interface language, so a font that carries
// them, colour numbers (0x00BBGGRR) as Qt colours, and the texts of their
// state in their controls.
#include <QColor>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <string>

namespace flashtool::ui {

// Gives the window a font of this machine that carries Simplified Chinese.
void UseFactoryFont(QWidget* window);

// A colour number as a colour; a system colour (the high bit set) gives an
// invalid colour, which leaves the widget its own.
QColor ColourOf(std::uint32_t number);

inline QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}
// Sets a text box's text only when it differs: the user may be typing in it.
void ShowText(QLineEdit* box, const std::string& text);

} // namespace flashtool::ui

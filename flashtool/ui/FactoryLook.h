#pragma once
// What the factory windows of the flash tools share: fixed Simplified
// Chinese captions whatever the interface language, so a font that carries
// them, and colour numbers (0x00BBGGRR) as Qt colours.
#include <QColor>
#include <QWidget>

#include <cstdint>

namespace flashtool::ui {

// Gives the window a font of this machine that carries Simplified Chinese.
void UseFactoryFont(QWidget* window);

// A colour number as a colour; a system colour (the high bit set) gives an
// invalid colour, which leaves the widget its own.
QColor ColourOf(std::uint32_t number);

} // namespace flashtool::ui

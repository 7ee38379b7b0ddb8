#include "flashtool/ui/FactoryLook.h"

#include "app/ui/FaceFont.h"

namespace flashtool::ui {

void UseFactoryFont(QWidget* window) {
    QFont f = window->font();
    f.setFamily(app::ResolveFaceFont(f.family(), 1));
    window->setFont(f);
}

QColor ColourOf(std::uint32_t number) {
    if (number & 0x80000000u) return {};
    return QColor(static_cast<int>(number & 0xFF), static_cast<int>(number >> 8 & 0xFF),
                  static_cast<int>(number >> 16 & 0xFF));
}

} // namespace flashtool::ui

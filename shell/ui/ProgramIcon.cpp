#include "shell/ui/ProgramIcon.h"

#include <QPainter>

namespace shell {

QPixmap ProgramPixmap(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawRoundedRect(QRectF(20, 1, 3, 10), 1.5, 1.5); // antenna
    p.setBrush(QColor(30, 90, 160));
    p.drawRoundedRect(QRectF(8, 8, 17, 23), 3, 3); // body
    p.setBrush(QColor(170, 220, 170));
    p.drawRect(QRectF(11, 11, 11, 6)); // display
    p.setBrush(QColor(230, 230, 230));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) p.drawRect(QRectF(11 + col * 4, 19 + row * 3.6, 3, 2.4));
    return pm;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(ProgramPixmap(size));
    return icon;
}

} // namespace shell

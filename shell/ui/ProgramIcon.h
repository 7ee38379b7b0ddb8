#pragma once
// The program's icon, drawn rather than shipped: a hand-held radio.
#include <QIcon>
#include <QPixmap>

namespace shell {

QPixmap ProgramPixmap(int size);
QIcon ProgramIcon();

} // namespace shell

#include "platform/desktop/QtDesktop.h"

#include "platform/System.h"

#include <QProcess>
#include <QStringList>

namespace platform {

bool QtDesktop::OpenDocument(const std::string& path) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromStdString(path)});
}

bool QtDesktop::RestartProgram() {
    return QProcess::startDetached(QString::fromStdString(executablePath()), {});
}

} // namespace platform

#include "shell/ui/frmShowErr.h"

#include "app/ui/Face.h"
#include "platform/ui/Twips.h"

#include <QPointer>

namespace shell {

frmShowErr::frmShowErr(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmShowErr"));
    setWindowTitle(app::face(app::TextKey::NoticeWindow));
    setFixedSize(platform::twips(10905), platform::twips(7665));
    listShowErr = new QListWidget(this);
    listShowErr->setGeometry(platform::twips(60), platform::twips(150), platform::twips(10785),
                             platform::twips(7440));
}

namespace {

QPointer<frmShowErr> g_window;

} // namespace

frmShowErr& frmShowErr::instance(QObject& owner) {
    if (!g_window) {
        g_window = new frmShowErr;
        QObject::connect(&owner, &QObject::destroyed, g_window, [w = g_window.data()] { delete w; });
    }
    return *g_window;
}

} // namespace shell

#include "shell/ui/frmShowErr.h"

#include "app/ui/Face.h"
#include "platform/ui/Twips.h"

namespace shell {

frmShowErr::frmShowErr(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmShowErr"));
    setWindowTitle(app::face(app::TextKey::NoticeWindow));
    setFixedSize(platform::twips(10905), platform::twips(7665));
    listShowErr = new QListWidget(this);
    listShowErr->setGeometry(platform::twips(60), platform::twips(150), platform::twips(10785),
                             platform::twips(7440));
}

frmShowErr& frmShowErr::instance() {
    static frmShowErr* w = new frmShowErr;
    return *w;
}

} // namespace shell

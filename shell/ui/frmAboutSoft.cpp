#include "shell/ui/frmAboutSoft.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "app/ui/Face.h"
#include "app/ui/FaceFont.h"
#include "platform/ui/Twips.h"
#include "shell/ui/ProgramIcon.h"

namespace shell {
namespace {

using platform::twips;

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace

frmAboutSoft::frmAboutSoft(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAboutSoft"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twips(5325), twips(1965));
    QFont base = font();
    base.setPointSizeF(9.75);
    base.setBold(false);
    setFont(base);

    fraMain = new QFrame(this);
    fraMain->setFrameStyle(QFrame::Box | QFrame::Sunken);
    fraMain->setGeometry(twipsRect(30, -90, 5295, 2025));
    picAboutSoft = new QLabel(fraMain);
    picAboutSoft->setGeometry(twipsRect(4200, 480, 525, 525));
    picAboutSoft->setPixmap(ProgramPixmap(32));
    lblVersion = new QLabel(fraMain);
    lblVersion->setGeometry(twipsRect(210, 420, 3045, 315));
    lblRelease = new QLabel(fraMain);
    lblRelease->setGeometry(twipsRect(210, 900, 3045, 315));
    lblRights = new QLabel(fraMain);
    lblRights->setGeometry(twipsRect(210, 1260, 3645, 615));
    lblRights->setWordWrap(true);
    lblRights->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOk = new QPushButton(fraMain);
    cmdOk->setGeometry(twipsRect(3900, 1200, 1095, 420));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &frmAboutSoft::cmdOk_Click);
    cmdOk->setFocus();
    Form_Load();
}

// InitFace has the guard.
void frmAboutSoft::Form_Load() {
    InitFace();
}

void frmAboutSoft::InitFace() {
    app::Guarded("frmAboutSoft->InitFace:", [&] {
        app::CheckedLangIndex();
        setWindowTitle(app::face(app::TextKey::AboutCaption));
        cmdOk->setText(app::face(app::TextKey::AboutOk));
        lblVersion->setText(app::face(app::TextKey::AboutVersion));
        lblRelease->setText(app::face(app::TextKey::AboutRights));
        lblRights->setText(app::face(app::TextKey::AboutCompany));
        app::UseFaceFont({cmdOk, lblVersion, lblRelease}, 9.75);
        app::UseFaceFont({lblRights}, 9.0);
    });
}

void frmAboutSoft::cmdOk_Click() {
    accept();
}

} // namespace shell

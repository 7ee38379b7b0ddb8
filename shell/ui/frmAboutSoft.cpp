#include "shell/ui/frmAboutSoft.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "platform/ui/Twips.h"
#include "shell/ui/ProgramIcon.h"

namespace shell {
namespace {

using platform::twips;

// clang-format off
const char* const kTexts[][5] = {
    // caption, OK, version, rights line, company line
    {"关于", "确定", "版本 1.0", "© tavorin 开发者", "tavorin 项目：对讲机写频软件"},
    {"關於", "確定", "版本 1.0", "© tavorin 開發者", "tavorin 專案：對講機寫頻軟體"},
    {"About", "OK", "Version 1.0", "© The tavorin developers", "The tavorin project: radio programming software"},
};
// clang-format on

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

void frmAboutSoft::Form_Load() {
    try {
        InitFace();
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmAboutSoft->Form_Load:", e);
    }
}

void frmAboutSoft::InitFace() {
    try {
        auto& s = app::shell();
        if (s.LangIndex < 1 || s.LangIndex > 3) s.LangIndex = 3;
        const char* const* t = kTexts[s.LangIndex - 1];
        setWindowTitle(QString::fromUtf8(t[0]));
        cmdOk->setText(QString::fromUtf8(t[1]));
        lblVersion->setText(QString::fromUtf8(t[2]));
        lblRelease->setText(QString::fromUtf8(t[3]));
        lblRights->setText(QString::fromUtf8(t[4]));
        const QString family = QString::fromStdString(s.FaceFontName);
        for (QWidget* w : {static_cast<QWidget*>(cmdOk), static_cast<QWidget*>(lblVersion),
                           static_cast<QWidget*>(lblRelease), static_cast<QWidget*>(lblRights)}) {
            QFont f = w->font();
            f.setFamily(family);
            f.setPointSizeF(w == lblRights ? 9.0 : 9.75);
            w->setFont(f);
        }
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmAboutSoft->InitFace:", e);
    }
}

void frmAboutSoft::cmdOk_Click() {
    try {
        accept();
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmAboutSoft->cmdOK_Click:", e);
    }
}

} // namespace shell

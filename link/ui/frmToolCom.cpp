#include "link/ui/frmToolCom.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "app/ui/Face.h"
#include "link/LinkState.h"
#include "link/LinkTexts.h"
#include "link/PortChoice.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Widgets.h"
#include "shell/Startup.h"

#include <algorithm>

namespace radiolink::ui {
namespace {

using platform::twips;

frmToolCom* g_shown = nullptr;

} // namespace

frmToolCom::frmToolCom(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmToolCom"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    fraToolCom = new QGroupBox(this);
    fraToolCom->setGeometry(twips(120), twips(60), twips(4710), twips(2220));
    lblToolCom = new QLabel(fraToolCom);
    lblToolCom->setGeometry(twips(240), twips(300), twips(4200), twips(300));
    group_.setExclusive(true);
    for (int i = 0; i < 16; ++i) {
        COM[i] = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), fraToolCom);
        COM[i]->setObjectName(QStringLiteral("COM%1").arg(i + 1));
        COM[i]->setGeometry(twips(240 + 1110 * (i % 4)), twips(720 + 360 * (i / 4)), twips(1050), twips(300));
        group_.addButton(COM[i], i);
    }
    lblComWhy = new QLabel(this);
    lblComWhy->setObjectName(QStringLiteral("lblComWhy"));
    lblComWhy->setWordWrap(true);
    lblComWhy->setTextFormat(Qt::PlainText);
    // A command in the reason is there to be copied.
    lblComWhy->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblComWhy->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblComWhy->setStyleSheet(QStringLiteral("color: #C00000;"));
    cmdOk = new QPushButton(this);
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(this);
    layOut();
    connect(cmdOk, &QPushButton::clicked, this, &frmToolCom::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmToolCom::cmdCancel_Click);
    connect(&group_, &QButtonGroup::idClicked, this, [](int id) {
        PortDialog& d = linkState().frmToolCom;
        for (int i = 0; i < 16; ++i) d.COM[i].Value = i == id;
    });
    g_shown = this;
}

frmToolCom::~frmToolCom() {
    if (g_shown == this) g_shown = nullptr;
}

frmToolCom* frmToolCom::existing() {
    return g_shown;
}

void frmToolCom::Form_Load() {
    setWindowTitle(app::face(kTextPortTitle));
    fraToolCom->setTitle(app::face(kTextPortFrame));
    lblToolCom->setText(app::face(kTextPortLabel));
    cmdOk->setText(app::face(kTextOk));
    cmdCancel->setText(app::face(kTextCancel));
    PortDialogLoad(linkState());
    ShowState();
}

void frmToolCom::ShowState() {
    const LinkState& s = linkState();
    // Not exclusive for a moment, so that no button at all may be selected.
    group_.setExclusive(false);
    for (int i = 0; i < 16; ++i) {
        const platform::OptionButton& o = s.frmToolCom.COM[i];
        platform::show(COM[i], o);
        COM[i]->setToolTip(o.Enabled ? QString() : QString::fromStdString(s.ComPortWhy[i + 1]));
    }
    group_.setExclusive(true);
    const int inUse = s.ComPortNo;
    const bool failed = inUse >= 1 && inUse <= 16 && !s.ComPortWhy[static_cast<std::size_t>(inUse)].empty();
    platform::show(lblComWhy, failed ? app::text(app::TextKey::PortFailed, std::to_string(inUse)) + '\n' +
                                           s.ComPortWhy[static_cast<std::size_t>(inUse)]
                                     : std::string());
    layOut();
}

void frmToolCom::layOut() {
    // The reason has its design room, and more when it needs more: the
    // buttons and the dialog's foot move down with it.
    const int top = twips(2340), room = twips(720), gap = twips(60);
    const int width = twips(4710);
    const int needed = lblComWhy->text().isEmpty() ? 0 : lblComWhy->heightForWidth(width);
    const int height = std::max(room, needed);
    lblComWhy->setGeometry(twips(120), top, width, height);
    const int buttons = top + height + gap;
    cmdOk->setGeometry(twips(2160), buttons, twips(1215), twips(420));
    cmdCancel->setGeometry(twips(3615), buttons, twips(1215), twips(420));
    setFixedSize(twips(4950), buttons + twips(420) + twips(120));
}

void frmToolCom::cmdOk_Click() {
    app::Guarded("frmToolCom->cmdOk_Click", [&] {
        // A choice the settings file refuses holds for this run only: the
        // user hears of it as of every other refused setting.
        app::ShellState& shell = app::shell();
        shell::NoteAndTellSettingsWrite(shell, PortDialogOk(linkState()));
        chosen = true;
        QDialog::accept();
    });
}

void frmToolCom::cmdCancel_Click() {
    app::Guarded("frmToolCom->cmdCancel_Click", [] { PortDialogCancel(linkState()); });
    // Cancelled, the dialog closes whatever the cancel did.
    QDialog::reject();
}

void frmToolCom::reject() {
    cmdCancel_Click();
}

bool ShowPortDialog(QWidget* owner) {
    frmToolCom dialog(owner);
    dialog.Form_Load();
    platform::placeWindow(dialog, owner);
    dialog.exec();
    return dialog.chosen;
}

} // namespace radiolink::ui

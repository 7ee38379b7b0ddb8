#include "align/ui/frmInputCode.h"

#include "app/ErrorReporter.h"
#include "platform/ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QVBoxLayout>

namespace align::ui {
namespace {

frmInputCode* g_asking = nullptr;

// Masks the box with "#" whatever the style's own mask is.
class HashMask : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter) return '#';
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

frmInputCode::frmInputCode(QWidget* owner)
    : QDialog(owner), lblInputCode(new QLabel(QStringLiteral("请输入密码"), this)),
      txtInputCode(new QLineEdit(this)) {
    setObjectName(QStringLiteral("frmInputCode"));
    setWindowTitle(QStringLiteral("输入密码"));
    setModal(true);
    auto* mask = new HashMask;
    mask->setParent(this);
    txtInputCode->setStyle(mask);
    txtInputCode->setEchoMode(QLineEdit::Password);
    txtInputCode->setMaxLength(kInputCodeMaxLength);
    txtInputCode->setObjectName(QStringLiteral("txtInputCode"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblInputCode);
    layout->addWidget(txtInputCode);
    setFixedWidth(260);
    tmrAutoExit.setSingleShot(false);
    connect(txtInputCode, &QLineEdit::textChanged, this, &frmInputCode::txtInputCode_Change);
    connect(&tmrAutoExit, &QTimer::timeout, this, &frmInputCode::tmrAutoExit_Timer);
    g_asking = this;
    Form_Load();
}

frmInputCode::~frmInputCode() {
    if (g_asking == this) g_asking = nullptr;
    // However the dialog closes, the question ends with what was typed.
    state().frmInputCode.reset();
}

frmInputCode* frmInputCode::existing() {
    return g_asking;
}

void frmInputCode::showTimer() {
    const platform::Timer& t = state().frmInputCode->tmrAutoExit;
    tmrAutoExit.stop();
    if (t.Enabled) tmrAutoExit.start(t.Interval);
}

void frmInputCode::Form_Load() {
    frmInputCode_Load(state());
    showTimer();
}

void frmInputCode::txtInputCode_Change() {
    app::Guarded("frmInputCode->txtInputCode_Change", [&] {
        align::txtInputCode_Change(state(), txtInputCode->text().toStdString());
        showTimer();
    });
}

void frmInputCode::tmrAutoExit_Timer() {
    tmrAutoExit.stop();
    app::Guarded("frmInputCode->tmrAutoExit_Timer", [] { align::tmrAutoExit_Timer(state()); });
    // The question ends however its answer went.
    accept();
}

CodeAction AskAccessCode(QWidget* owner, CodeButton button) {
    const bool asked = app::Guarded("frmInputCode->Form_Load", [&] {
        frmInputCode dialog(owner);
        platform::placeWindow(dialog, owner);
        dialog.exec();
    });
    if (!asked) return CodeAction::None;
    return ActionFor(button, state().InputCode);
}

} // namespace align::ui

#include "align/ui/frmAdjMore.h"

#include "align/AdjMore.h"
#include "align/ui/FieldWidgets.h"
#include "align/ui/frmInputCode.h"
#include "app/ErrorReporter.h"
#include "app/ui/GuardedThenShown.h"
#include "model/Model.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Widgets.h"

#include <QGroupBox>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace align::ui {
namespace {

frmAdjMore* g_instance = nullptr;

AdjMoreWindow& adjMore() {
    return AdjMore(state());
}

// A tab's panels, scrolled where the screen is too small for them; with
// room the window opens as large as they are.
class TabBody : public QScrollArea {
  public:
    explicit TabBody(QWidget* panels) {
        setWidget(panels);
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
    }
    QSize sizeHint() const override { return widget()->sizeHint(); }
};

} // namespace

frmAdjMore::frmAdjMore() : QWidget(nullptr, Qt::Window), sstabAdjMore(new QTabWidget(this)) {
    setObjectName(QStringLiteral("frmAdjMore"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("参数调节"));
    fields =
        new FieldWidgets(Window::AdjMore, this, [this](Control c, int i, int v) { FieldChanged(c, i, v); });
    sstabAdjMore->setObjectName(QStringLiteral("sstabAdjMore"));
    sstabAdjMore->addTab(new TabBody(buildSquelchTab()), QStringLiteral("静噪,接收响应,频偏,SQL参数"));
    sstabAdjMore->addTab(new TabBody(buildOtherTab()), QStringLiteral("其它参数"));
    sstabAdjMore->addTab(new TabBody(buildMenuTab()), QStringLiteral("菜单"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sstabAdjMore);
    g_instance = this;
    ShowState();
    // As large as the panels shown; placed, it is made to fit the screen.
    resize(sizeHint());
}

frmAdjMore::~frmAdjMore() {
    if (g_instance == this) g_instance = nullptr;
    state().frmAdjMore.reset();
}

frmAdjMore& frmAdjMore::instance() {
    return g_instance ? *g_instance : *new frmAdjMore();
}

frmAdjMore* frmAdjMore::existing() {
    return g_instance;
}

QComboBox* frmAdjMore::list(Control control, int index) const {
    return fields->list(control, index);
}

QCheckBox* frmAdjMore::box(Control control, int index) const {
    return fields->box(control, index);
}

void frmAdjMore::ShowState() {
    AdjMoreWindow& w = adjMore();
    fields->show(w.fields);
    bool shown = false;
    const std::pair<QGroupBox*, bool> panels[] = {{fraSqlPara, w.panels.fraSqlPara},
                                                  {fraRxRespDev, w.panels.fraRxRespDev},
                                                  {fraReg34H, w.panels.fraReg34H},
                                                  {fraReg65H, w.panels.fraReg65H},
                                                  {fraAdjMenu, w.panels.fraAdjMenu}};
    for (auto [panel, visible] : panels) {
        shown = shown || (visible && panel->isHidden());
        panel->setVisible(visible);
    }
    for (int row = 1; row <= kMenuRows; ++row)
        vsfgGridMenu->setTextMatrix(row, 1,
                                    QString::fromStdString(w.fields.at(Control::vsfgGridMenu, row).Text));
    if (shown) growToPanels();
}

void frmAdjMore::growToPanels() {
    // The window grows with the panels a code shows; an open one as far as
    // its screen has room.
    // The layouts keep the sizes they last asked for until told.
    for (int tab = 0; tab < sstabAdjMore->count(); ++tab) sstabAdjMore->widget(tab)->updateGeometry();
    sstabAdjMore->updateGeometry();
    const QSize wanted = size().expandedTo(sizeHint());
    if (wanted == size()) return;
    resize(wanted);
    if (isVisible()) platform::keepOnScreen(*this);
}

void frmAdjMore::FieldChanged(Control control, int index, int value) {
    app::GuardedThenShown("frmAdjMore->FieldChanged", *this,
                          [&] { AdjMoreFieldChanged(state(), model::IicDat(), control, index, value); });
}

void frmAdjMore::cmdReg34H_Def_Click() {
    app::Guarded("frmAdjMore->cmdReg34H_Def_Click", [] { align::cmdReg34H_Def_Click(model::IicDat()); });
}

void frmAdjMore::cmdReg65H_Def_Click() {
    app::Guarded("frmAdjMore->cmdReg65H_Def_Click", [] { align::cmdReg65H_Def_Click(model::IicDat()); });
}

void frmAdjMore::vsfgGridMenu_AfterEdit(int row, int col) {
    app::Guarded("frmAdjMore->vsfgGridMenu_AfterEdit", [&] {
        // The cell keeps what was typed into it.
        if (col == 1)
            adjMore().fields.at(Control::vsfgGridMenu, row).Text =
                vsfgGridMenu->textMatrix(row, col).toStdString();
        align::vsfgGridMenu_AfterEdit(state(), model::IicDat(), row, vsfgGridMenu->comboIndex());
    });
}

void frmAdjMore::cmdMenuAdjust_Click() {
    app::GuardedThenShown("frmAdjMore->cmdMenuAdjust_Click", *this, [&] {
        AskAccessCode(this, CodeButton::cmdMenuAdjust);
        PanelCodeAnswered(state(), CodeButton::cmdMenuAdjust, state().InputCode);
    });
}

void frmAdjMore::cmdSqlPara_Click() {
    app::GuardedThenShown("frmAdjMore->cmdSqlPara_Click", *this, [&] {
        AskAccessCode(this, CodeButton::cmdSqlPara);
        PanelCodeAnswered(state(), CodeButton::cmdSqlPara, state().InputCode);
    });
}

void frmAdjMore::cmdRespDevSql_Click() {
    app::GuardedThenShown("frmAdjMore->cmdRespDevSql_Click", *this, [&] {
        AskAccessCode(this, CodeButton::cmdRespDevSql);
        PanelCodeAnswered(state(), CodeButton::cmdRespDevSql, state().InputCode);
    });
}

} // namespace align::ui

#include "flashtool/ui/frmMain.h"

#include "app/ErrorReporter.h"
#include "app/ui/GuardedThenShown.h"
#include "flashtool/ToolWindowLogic.h"
#include "flashtool/ui/FactoryLook.h"
#include "flashtool/ui/MemoryGrid.h"
#include "flashtool/ui/frmPartFill.h"
#include "link/FirmwareTable.h"
#include "link/PortChoice.h"
#include "link/ui/frmToolCom.h"
#include "platform/ui/Widgets.h"

#include <QCloseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QStringList>

namespace flashtool::ui {
namespace {

QPointer<frmMain> g_window;

radiolink::ToolWindow& controls() {
    return tool().link.frmMain;
}

QStringList itemsOf(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) list << QString::fromStdString(item);
    return list;
}

// A page box: its tick and its colour.
void showPageBox(QCheckBox* b, const radiolink::PageBox& box) {
    platform::show(b, box);
    // The system's face unless the link gave the box a colour; set only
    // when it changes, as the link shows every step of a transfer.
    const QColor given = ColourOf(box.BackColor);
    const QColor back = given.isValid() ? given : b->parentWidget()->palette().color(QPalette::Window);
    if (b->palette().color(QPalette::Window) == back) return;
    QPalette palette = b->palette();
    palette.setColor(QPalette::Window, back);
    b->setPalette(palette);
}

} // namespace

frmMain& frmMain::instance() {
    if (!g_window) {
        g_window = new frmMain();
        LoadToolWindow(tool(), radiolink::firmware());
        g_window->ShowState();
    }
    return *g_window;
}

frmMain* frmMain::existing() {
    return g_window.data();
}

frmMain::frmMain() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("GU53烧写文件读写    2012.07.28  V1.0"));
    UseFactoryFont(this);
    buildControls();
    connectHandlers();
    resize(1000, 760);
    view_.emplace(*this);
}

frmMain::~frmMain() {
    view_.reset();
}

MemoryGrid* frmMain::grid(int number) const {
    switch (number) {
    case radiolink::GridFlash:
        return vsfgGridFlash;
    case radiolink::GridInRam:
        return vsfgGridInRam;
    case radiolink::GridExtRam:
        return vsfgGridExtRam;
    default:
        return nullptr;
    }
}

void frmMain::GridChanged(int number, std::uint32_t first, std::uint32_t last) {
    if (MemoryGrid* g = grid(number)) g->ShowRange(first, last);
}

void frmMain::GridScrolled(int number, Cell cell) {
    if (MemoryGrid* g = grid(number)) g->GoTo(cell);
}

void frmMain::TipChanged() {
    platform::show(txtAddrNote, tool().txtAddrNote);
}

void frmMain::WindowChanged() {
    ShowState();
}

void frmMain::AutoWriteRestarted() {
    const platform::Timer& timer = controls().tmrAutoWr;
    if (timer.Enabled) tmrAutoWr.start(std::max(1, timer.Interval));
}

void frmMain::ShowState() {
    const ToolState& t = tool();
    const radiolink::ToolWindow& w = t.link.frmMain;
    for (int n = 0; n < 64; ++n) showPageBox(chkFlashPage[n], w.chkFlashPage[n]);
    platform::show(chkStopCom, w.chkStopCom);
    platform::show(cmdReadFlash, w.cmdReadFlash);
    platform::show(cmdWriteFlash, w.cmdWriteFlash);
    platform::show(cmdWrInRam, w.cmdWrInRam);
    platform::show(cmdRdInRam, w.cmdRdInRam);
    platform::show(cmdWrExtRam, w.cmdWrExtRam);
    platform::show(cmdRdExtRam, w.cmdRdExtRam);
    platform::show(lblComStatus, w.lblComStatus);
    platform::show(lblBpsDat, w.lblBpsDat.empty() ? "19200,n,8,2" : w.lblBpsDat);
    if (!w.cmdPortCaption.empty()) cmdPort->setText(QString::fromStdString(w.cmdPortCaption));
    platform::show(cboComBps, w.cboComBps);
    platform::show(chkSoftShowGrid, w.chkSoftShowGrid);
    platform::show(chkGridFlashColor, w.chkGridFlashColor);
    platform::show(chkGridInRamColor, w.chkGridInRamColor);
    platform::show(chkGridExtRamColor, w.chkGridExtRamColor);
    platform::show(txtWrInterval, w.txtWrInterval);
    platform::show(txtWrRightCnt, w.txtWrRightCnt);
    platform::show(chkAutoWr, t.chkAutoWr);
    platform::show(tmrAutoWr, w.tmrAutoWr);
    cmdFlashPageAll->setText(QString::fromStdString(t.cmdFlashPageAllCaption));
    platform::show(cboFlashPage, t.cboFlashPage);
    platform::show(txtAddrNote, t.txtAddrNote);
    platform::show(lblFileName, t.lblFileName);
    showRamLists();
    platform::show(sstabCtl, t.sstabCtl);
    platform::show(sstabData, t.sstabData);
}

void frmMain::showRamLists() {
    const ToolState& t = tool();
    const radiolink::ToolWindow& w = t.link.frmMain;
    struct Shown {
        QComboBox* box;
        int index;
        bool internal;
    };
    const Shown lists[] = {
        {cboWrInRamFir, w.cboWrInRamFir, true},    {cboWrInRamLast, w.cboWrInRamLast, true},
        {cboRdInRamFir, w.cboRdInRamFir, true},    {cboRdInRamLast, w.cboRdInRamLast, true},
        {cboWrExtRamFir, w.cboWrExtRamFir, false}, {cboWrExtRamLast, w.cboWrExtRamLast, false},
        {cboRdExtRamFir, w.cboRdExtRamFir, false}, {cboRdExtRamLast, w.cboRdExtRamLast, false},
    };
    // Filled, the lists always hold the same items: they are filled or
    // emptied only when that changes, and otherwise only show their choices.
    if ((cboWrInRamFir->count() > 0) != t.ramListsFilled) {
        static const QStringList in = itemsOf(InRamListItems()), ext = itemsOf(ExtRamListItems());
        for (const Shown& list : lists) {
            const QSignalBlocker quiet(list.box);
            list.box->clear();
            if (t.ramListsFilled) list.box->addItems(list.internal ? in : ext);
        }
    }
    if (!t.ramListsFilled) return;
    for (const Shown& list : lists) platform::show(list.box, list.index);
}

void frmMain::closeEvent(QCloseEvent* event) {
    // A failed unload still closes: the next use loads the window afresh.
    bool closed = true;
    app::Guarded("frmMain->Form_Unload", [&] { closed = CloseToolWindow(tool()); });
    if (!closed) {
        event->ignore();
        return;
    }
    // Unloaded: the next use loads a new window, even before this one is gone.
    view_.reset();
    tmrAutoWr.stop();
    if (g_window == this) g_window = nullptr;
    event->accept();
}

void frmMain::cmdReadFlash_Click() {
    app::GuardedThenShown("frmMain->cmdReadFlash_Click", *this,
                          [] { flashtool::cmdReadFlash_Click(tool()); });
}

void frmMain::cmdWriteFlash_Click() {
    app::GuardedThenShown("frmMain->cmdWriteFlash_Click", *this,
                          [] { flashtool::cmdWriteFlash_Click(tool()); });
}

void frmMain::cmdFlashPageAll_Click() {
    app::GuardedThenShown("frmMain->cmdFlashPageAll_Click", *this,
                          [] { flashtool::cmdFlashPageAll_Click(tool()); });
}

void frmMain::cmdZero_Click() {
    app::GuardedThenShown("frmMain->cmdZero_Click", *this, [] { flashtool::cmdZero_Click(tool()); });
}

void frmMain::cmdReadDat_Click() {
    app::GuardedThenShown("frmMain->cmdReadDat_Click", *this, [] { flashtool::cmdReadDat_Click(tool()); });
}

void frmMain::chkAutoWr_Click() {
    app::GuardedThenShown("frmMain->chkAutoWr_Click", *this, [this] {
        if (flashtool::chkAutoWr_Click(tool(), chkAutoWr->isChecked() ? 1 : 0)) cmdWriteFlash_Click();
    });
}

void frmMain::tmrAutoWr_Timer() {
    app::GuardedThenShown("frmMain->tmrAutoWr_Timer", *this, [this] {
        if (flashtool::tmrAutoWr_Timer(tool())) cmdWriteFlash_Click();
    });
}

void frmMain::chkInitInExtRamAddr_Click() {
    app::GuardedThenShown("frmMain->chkInitInExtRamAddr_Click", *this,
                          [] { flashtool::chkInitInExtRamAddr_Click(tool()); });
}

void frmMain::cmdWrInRam_Click() {
    app::GuardedThenShown("frmMain->cmdWrInRam_Click", *this, [] { flashtool::cmdWrInRam_Click(tool()); });
}

void frmMain::cmdRdInRam_Click() {
    app::GuardedThenShown("frmMain->cmdRdInRam_Click", *this, [] { flashtool::cmdRdInRam_Click(tool()); });
}

void frmMain::cmdWrExtRam_Click() {
    app::GuardedThenShown("frmMain->cmdWrExtRam_Click", *this, [] { flashtool::cmdWrExtRam_Click(tool()); });
}

void frmMain::cmdRdExtRam_Click() {
    app::GuardedThenShown("frmMain->cmdRdExtRam_Click", *this, [] { flashtool::cmdRdExtRam_Click(tool()); });
}

void frmMain::cboComBps_Click() {
    app::GuardedThenShown("frmMain->cboComBps_Click", *this,
                          [this] { radiolink::cboComBps_Click(tool().link, cboComBps->currentIndex()); });
}

void frmMain::cmdPort_Click() {
    app::GuardedThenShown("frmMain->cmdPort_Click", *this, [this] { radiolink::ui::ShowPortDialog(this); });
}

void frmMain::cmdPartFill_Click() {
    app::GuardedThenShown("frmMain->cmdPartFill_Click", *this, [this] { ShowPartFill(this); });
}

} // namespace flashtool::ui

#include "channels/ui/frmChMem.h"

#include "app/Shell.h"
#include "app/ui/Face.h"
#include "channels/ChannelTexts.h"
#include "channels/ui/ChannelPage.h"
#include "channels/ui/SettingsControls.h"
#include "channels/ui/SettingsPages.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace channels {
namespace {

// Designed fore colours of the band boxes: band 1 and band 2.
constexpr long Band1BoxColour = 0x00FF0000;
constexpr long Band2BoxColour = 0x000040C0;

} // namespace

frmChMem::frmChMem(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmChMem"));
    sstabSetMode = new QTabWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sstabSetMode);
    // Each page scrolls in a window made too small for it, so that every
    // control stays within reach.
    for (std::size_t i = 0; i < fraSysSet.size(); ++i) {
        fraSysSet[i] = new QWidget;
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("sstabSetModePage%1").arg(i));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setWidget(fraSysSet[i]);
        sstabSetMode->addTab(scroll, QString());
    }
    auto channel = std::make_unique<ChannelPage>(fraSysSet[0], *this);
    channelPage_ = channel.get();
    pages_.push_back(std::move(channel));
    settings_ = std::make_unique<SettingsControls>(settingsPages(), model::state());
    pages_.push_back(std::make_unique<FunctionPara1Page>(fraSysSet[1], *settings_));
    pages_.push_back(std::make_unique<FunctionPara2Page>(fraSysSet[2], *settings_));
    pages_.push_back(std::make_unique<DtmfPage>(fraSysSet[3], *settings_));
    pages_.push_back(std::make_unique<TwoTonePage>(fraSysSet[4], *settings_));
    // SSTab1: never shown.
    auto* holderFrame = new QWidget(this);
    holderFrame->setObjectName(QStringLiteral("SSTab1"));
    holderFrame->hide();
    auto holder = std::make_unique<HiddenHolder>(holderFrame, *settings_);
    holder_ = holder.get();
    pages_.push_back(std::move(holder));

    InitSideGrids();
    InitFace();
    SetOptList();
    guardListsFromWheel();
}

frmChMem::~frmChMem() = default;

void frmChMem::InitFace() {
    for (int i = 0; i < sstabSetMode->count(); ++i) sstabSetMode->setTabText(i, app::face(kTextFirstTab + i));
    for (auto& page : pages_) page->InitFace();
}

// A wheel turned over a list the user has not chosen scrolls the page and
// changes nothing: a band preset reloads the image, a setting stores at once.
void frmChMem::guardListsFromWheel() {
    for (QWidget* frame : fraSysSet)
        for (QComboBox* box : frame->findChildren<QComboBox*>()) {
            bool inView = false;
            for (QWidget* p = box->parentWidget(); p && p != frame; p = p->parentWidget())
                inView = inView || qobject_cast<QAbstractItemView*>(p);
            if (inView) continue;
            box->setFocusPolicy(Qt::StrongFocus);
            box->installEventFilter(this);
        }
}

bool frmChMem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        auto* box = qobject_cast<QComboBox*>(watched);
        if (box && !box->hasFocus()) {
            // Ignored, it goes on to the page's scroll area.
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- The main window's view ----

void frmChMem::InitChMem() {
    channelPage_->InitChMem();
}

void frmChMem::cboGridChCtdcs_LostFocus() {
    for (auto& page : pages_) page->Store();
}

long frmChMem::bandBoxForeColor(int box) const {
    return box < 2 ? Band1BoxColour : Band2BoxColour;
}

long frmChMem::ChGridBackColor() const {
    return channelPage_->ChGridBackColor();
}

long frmChMem::ChGridSelColor() const {
    return channelPage_->ChGridSelColor();
}

void frmChMem::setGridSelectionColor(long colour) {
    channelPage_->setGridSelectionColor(colour);
}

void frmChMem::setSysSetFramesEnabled(bool enabled) {
    for (auto& page : pages_) page->SetLocked(!enabled);
}

void frmChMem::closeEvent(QCloseEvent* event) {
    if (app::shell().AppClosing != 1) event->ignore();
}

void frmChMem::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && !sub->isMaximized())
        sub->showMaximized();
}

// ---- What the model shows, passed on to the page that holds it ----

void frmChMem::SetCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

std::string frmChMem::FreBandText(int box) {
    return holder_->FreBandText(box);
}

void frmChMem::SetFreBandText(int box, const std::string& text) {
    holder_->SetFreBandText(box, text);
}

int frmChMem::FrequencyListIndex() {
    return channelPage_->FrequencyListIndex();
}

std::string frmChMem::FrequencyListText() {
    return channelPage_->FrequencyListText();
}

void frmChMem::SetFrequencyListIndex(int index) {
    channelPage_->SetFrequencyListIndex(index);
}

void frmChMem::SetChGridText(int row, int col, const std::string& text) {
    channelPage_->SetChGridText(row, col, text);
}

void frmChMem::SetChGridTextColor(int row, int col, std::int32_t colour) {
    channelPage_->SetChGridTextColor(row, col, colour);
}

void frmChMem::ClearCtdcsItems() {
    channelPage_->ClearCtdcsItems();
}

void frmChMem::AddCtdcsItem(const std::string& text, int position) {
    channelPage_->AddCtdcsItem(text, position);
}

void frmChMem::HideCtdcs() {
    channelPage_->HideCtdcs();
}

void frmChMem::ShowChTblGrid() {
    channelPage_->ShowChTblGrid();
}

void InstallChannelWindow() {
    struct Maker : shell::ChannelWindowHost {
        shell::ChannelWindowSlot* MakeChannelWindow() override { return new frmChMem; }
    };
    static Maker maker;
    platform::Host<shell::ChannelWindowHost>::set(&maker);
}

} // namespace channels

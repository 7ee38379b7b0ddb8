#include "channels/ui/ChannelPage.h"

#include "channels/AlignmentAccessHost.h"
#include "channels/BandPresets.h"
#include "channels/ChGridEdit.h"
#include "channels/ChannelTexts.h"
#include "channels/SettingsPages.h"
#include "channels/ToneBox.h"
#include "channels/ui/frmCustomFre.h"
#include "model/Bands.h"
#include "model/ChGridLayout.h"
#include "model/ChTable.h"
#include "model/Tones.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "app/ui/Face.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"
#include "platform/System.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Widgets.h"
#include "shell/FileCommands.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace channels {
namespace {

constexpr long DesignSelectionColour = 0x00FF00FF;
const QColor RowHighlight(109, 213, 251);
const QColor GridAlternateBack(247, 247, 247);
constexpr long ChannelNumberColour = 0x00FF0000; // blue

model::ModelState& m() {
    return model::state();
}

// A change of the focus that the user made, not a popup or another window.
bool userFocusChange(QEvent* event) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

// The drop-down's own list is open: the focus it takes from the drop-down
// is still the drop-down's.
bool listOpen(const QComboBox& box) {
    return box.view()->isVisible();
}

} // namespace

ChannelPage::ChannelPage(QWidget* frame, model::ChannelWindow& window) : ChMemPage(frame), window_(window) {
    // Model and band, then the channel grid.
    fraPc0 = new QGroupBox(frame);
    lblModel = new QLabel(fraPc0);
    cboModel = new QComboBox(fraPc0);
    lblFrequency = new QLabel(fraPc0);
    cboFrequency = new QComboBox(fraPc0);
    for (int i : {0, 1, 4}) cmdPc[static_cast<std::size_t>(i)] = new QPushButton(fraPc0);
    chkDelChA = new QCheckBox(QStringLiteral("A"), fraPc0);
    chkDelChB = new QCheckBox(QStringLiteral("B"), fraPc0);
    for (QCheckBox* box : {chkDelChA, chkDelChB}) {
        box->setChecked(true);
        box->hide();
    }
    auto* top = new QGridLayout(fraPc0);
    top->addWidget(lblModel, 0, 0);
    top->addWidget(cboModel, 0, 1);
    top->addWidget(cmdPc[0], 0, 2);
    top->addWidget(cmdPc[1], 0, 3);
    top->addWidget(lblFrequency, 1, 0);
    top->addWidget(cboFrequency, 1, 1);
    top->setColumnStretch(4, 1);
    // A button hardly to be seen, in the frame's bottom right corner.
    cmdPc[4]->setFixedSize(platform::twips(90), platform::twips(180));
    top->addWidget(cmdPc[4], 1, 5, Qt::AlignRight | Qt::AlignBottom);
    cboModel->setMinimumContentsLength(14);
    cboFrequency->setMinimumContentsLength(14);

    fraPc1 = new QGroupBox(frame);
    vsfgGridCh = new platform::Grid(fraPc1);
    vsfgGridCh->setObjectName(QStringLiteral("vsfgGridCh"));
    auto* gridLayout = new QVBoxLayout(fraPc1);
    gridLayout->addWidget(vsfgGridCh);
    auto* page0 = new QVBoxLayout(frame);
    page0->addWidget(fraPc0);
    page0->addWidget(fraPc1, 1);

    // The tone drop-down lies in the grid, over the cell being chosen.
    cboGridChCtdcs = new QComboBox(vsfgGridCh->container());
    cboGridChCtdcs->setObjectName(QStringLiteral("cboGridChCtdcs"));
    cboGridChCtdcs->setEditable(true);
    cboGridChCtdcs->setInsertPolicy(QComboBox::NoInsert);
    cboGridChCtdcs->setMaxVisibleItems(20);
    cboGridChCtdcs->hide();
    cboGridChCtdcs->installEventFilter(this);
    cboGridChCtdcs->lineEdit()->installEventFilter(this);
    // A key typed on a tone cell opens the drop-down there.
    vsfgGridCh->view()->installEventFilter(this);

    connect(cboModel, &QComboBox::activated, this, [this] { cboModel_Click(); });
    connect(cboFrequency, &QComboBox::activated, this, [this] { cboFrequency_Click(); });
    // A choice from the list stores it. The drop-down also reports its text
    // as chosen when it loses the focus to a hiding or to its own list
    // opening, and neither stores anything.
    connect(cboGridChCtdcs, &QComboBox::activated, this, [this] {
        if (!hidingToneBox_ && !listOpen(*cboGridChCtdcs)) cboGridChCtdcs_LostFocus();
    });
    connect(cmdPc[0], &QPushButton::clicked, this, [this] { cmdPc_Click(0); });
    connect(cmdPc[1], &QPushButton::clicked, this, [this] { cmdPc_Click(1); });
    connect(cmdPc[4], &QPushButton::clicked, this, [this] { cmdPc_Click(4); });
    connect(vsfgGridCh, &platform::Grid::beforeEdit, this, &ChannelPage::vsfgGridCh_BeforeEdit);
    connect(vsfgGridCh, &platform::Grid::afterEdit, this, &ChannelPage::vsfgGridCh_AfterEdit);
    connect(vsfgGridCh, &platform::Grid::click, this, &ChannelPage::vsfgGridCh_Click);
    connect(vsfgGridCh, &platform::Grid::doubleClick, this, &ChannelPage::vsfgGridCh_DblClick);
    // The drop-down belongs to one cell: moving or scrolling hides it.
    connect(vsfgGridCh, &platform::Grid::positionChanged, this, [this] { HideCtdcs(); });

    vsfgGridCh->setSelectionColor(platform::colorFromNumber(DesignSelectionColour));
}

// The focus moves while the children go; none of it is an edit.
ChannelPage::~ChannelPage() {
    cboGridChCtdcs->removeEventFilter(this);
    cboGridChCtdcs->lineEdit()->removeEventFilter(this);
    vsfgGridCh->view()->removeEventFilter(this);
    for (QObject* sender : std::initializer_list<QObject*>{vsfgGridCh, cboModel, cboFrequency, cboGridChCtdcs,
                                                           cmdPc[0], cmdPc[1], cmdPc[4]})
        sender->disconnect(this);
}

void ChannelPage::InitFace() {
    fraPc0->setTitle(app::face(kTextFirstFrame));
    fraPc1->setTitle(app::face(kTextFirstFrame + 1));
    lblModel->setText(app::face(kTextModelLabel));
    lblFrequency->setText(app::face(kTextFrequencyLabel));
    cmdPc[0]->setText(app::face(kTextFirstButton));
    cmdPc[1]->setText(app::face(kTextFirstButton + 1));
    cmdPc[4]->setText(app::face(kTextFirstButton + 4));
}

// ---- Start-up ----

void ChannelPage::InitChMem() {
    ChInfoInitFace();
    model::GenCtdcsList(m());
    model::ReadChInfo(m());
    SetChGrid();
    model::InitChTable(m(), -1, -1);
    chGridBackColor_ = platform::numberFromColor(vsfgGridCh->backColor());
    chGridSelColor_ = platform::numberFromColor(vsfgGridCh->selectionColor());
    ChInfoModel();
}

void ChannelPage::ChInfoInitFace() {
    app::Guarded("modChMem->ChInfoInitFace:", [&] {
        window_.SetCaption(app::text(kTextChannelInfo));
        vsfgGridCh->setAlternateBackColor(GridAlternateBack);
    });
}

void ChannelPage::SetChGrid() {
    app::Guarded("modChMem->SetChGrid:", [&] {
        const model::ModelState& s = m();
        platform::Grid& g = *vsfgGridCh;
        g.setCols(1);
        g.setRows(1);
        g.setFormatString(QString::fromStdString(s.ChGridFormat));
        g.setCols(s.ChColCount + 1);
        g.setRowHeight(0, s.ChRowHeight);
        for (int ch = 1; ch <= s.ChCount; ++ch) {
            g.addItem(QString::number(ch), ch);
            g.setRowHeight(ch, s.ChRowHeight);
            g.setCellForeColor(ch, 0, platform::colorFromNumber(ChannelNumberColour));
        }
        for (int c = 0; c <= s.ChColCount; ++c) {
            g.setColAlignment(c, Qt::AlignCenter);
            g.setColWidth(c, s.ChColWidth[static_cast<std::size_t>(c)]);
        }
        for (int c = 1; c <= s.ChColCount; ++c) {
            const std::string& key = s.ChColList[static_cast<std::size_t>(c)][0];
            if (key == "RxFre" || key == "TxFre" || key == "OFFSET") {
                g.setColDataType(c, platform::Grid::DataType::Decimal);
                g.setColFormat(c, key == "OFFSET" ? "#0.00000" : "###.#####");
            } else if (key == "CHNAME") {
                g.setColFormat(c, "00000");
            }
        }
        if (s.ChCount >= 1 && s.ChColCount >= 1) g.setCurrentCell(1, 1);
        g.setTextSize(10);
    });
}

void ChannelPage::ChInfoModel() {
    app::Guarded("frmChMem->ChInfoModel", [&] {
        cboModel->clear();
        cboModel->addItem(app::face(kTextModelName));
        cboModel->setCurrentIndex(0);
        cboModel_Click();
        {
            const QSignalBlocker quiet(cboFrequency);
            cboFrequency->clear();
            for (const model::BandPreset& preset : model::BandPresets)
                cboFrequency->addItem(QString::fromUtf8(preset.text));
            cboFrequency->addItem(app::face(kTextCustomBand));
        }
        SetFrequencyListIndex(model::DefaultPresetIndex);
    });
}

// ---- Model and band ----

void ChannelPage::cboModel_Click() {
    ChooseModel(m(), cboModel->currentIndex());
}

void ChannelPage::cboFrequency_Click() {
    model::ModelState& s = m();
    if (s.FreRangeBusy == -1) return;
    app::Guarded("frmChMem->cboFrequency_Click", [&] {
        const int index = cboFrequency->currentIndex();
        if (index < 0) return;
        Band2 band;
        if (index == model::CustomPresetIndex) {
            frmCustomFre dialog(window_, frame());
            platform::placeWindow(dialog, frame());
            if (dialog.exec() != QDialog::Accepted) {
                // Nothing changes: the list shows the band the window holds.
                const QSignalBlocker quiet(cboFrequency);
                cboFrequency->setCurrentIndex(presetApplied_);
                return;
            }
            band = BoxBand(window_);
        } else {
            band = PresetBand(index);
        }
        ApplyBand2(s, window_, band);
        presetApplied_ = index;
        shell::NewFileSol(s);
    });
}

int ChannelPage::FrequencyListIndex() const {
    return cboFrequency->currentIndex();
}

std::string ChannelPage::FrequencyListText() const {
    return cboFrequency->currentText().toStdString();
}

void ChannelPage::SetFrequencyListIndex(int index) {
    if (index == cboFrequency->currentIndex()) return;
    {
        const QSignalBlocker quiet(cboFrequency);
        cboFrequency->setCurrentIndex(index);
    }
    // A load selects the preset of its band: the window holds that band now.
    if (m().FreRangeBusy == -1) presetApplied_ = index;
    cboFrequency_Click();
}

// ---- Grid ----

void ChannelPage::checkChannelCell(int row, int col) const {
    if (row < 1 || col < 1 || row >= vsfgGridCh->rows() || col >= vsfgGridCh->cols())
        throw platform::Failure("The channel grid has no cell at row " + std::to_string(row) + ", column " +
                                std::to_string(col));
}

std::string ChannelPage::ChGridText(int row, int col) {
    checkChannelCell(row, col);
    return vsfgGridCh->textMatrix(row, col).toStdString();
}

void ChannelPage::SetChGridText(int row, int col, const std::string& text) {
    checkChannelCell(row, col);
    vsfgGridCh->setTextMatrix(row, col, QString::fromStdString(text));
}

void ChannelPage::SetChGridTextColor(int row, int col, std::int32_t colour) {
    checkChannelCell(row, col);
    vsfgGridCh->setCellForeColor(row, col, platform::colorFromNumber(colour));
}

void ChannelPage::SetChGridCurrent(int row, int col) {
    checkChannelCell(row, col);
    vsfgGridCh->setCurrentCell(row, col);
}

void ChannelPage::ShowChTblGrid() {
    channels::ShowChTblGrid(m(), chMem(), app::shell(), *this);
}

void ChannelPage::setEditMode(EditMode mode) {
    vsfgGridCh->setEditMode(mode);
}

void ChannelPage::clearHighlights(int firstCol) {
    if (m().ChCount < 1) return;
    vsfgGridCh->setCellBackColor(1, firstCol, vsfgGridCh->rows() - 1, vsfgGridCh->cols() - 1, QColor());
    cboGridChCtdcs->setPalette(QPalette());
    cboGridChCtdcs->lineEdit()->setPalette(QPalette());
}

void ChannelPage::highlightRow(int row, int firstCol) {
    vsfgGridCh->setCellBackColor(row, firstCol, row, vsfgGridCh->cols() - 1, RowHighlight);
    QPalette p = cboGridChCtdcs->palette();
    p.setColor(QPalette::Base, RowHighlight);
    cboGridChCtdcs->setPalette(p);
    cboGridChCtdcs->lineEdit()->setPalette(p);
    vsfgGridCh->setSelectionColor(platform::colorFromNumber(DesignSelectionColour));
}

void ChannelPage::vsfgGridCh_BeforeEdit(int row, int col, bool& cancel) {
    app::Guarded("frmChMem->vsfgGridCh_BeforeEdit:", [&] {
        HideCtdcs();
        const BeforeEditResult r = BeforeEdit(m(), app::shell(), row, col);
        cancel = r.cancel;
        if (!r.setMode) return;
        setEditMode(r.mode);
        if (r.hasComboList) vsfgGridCh->setColComboList(col, QString::fromStdString(r.comboList));
    });
}

void ChannelPage::vsfgGridCh_AfterEdit(int row, int col) {
    // The edit guards itself.
    AfterEdit(m(), app::shell(), *this, row, col, vsfgGridCh->textMatrix(row, col).toStdString());
}

void ChannelPage::vsfgGridCh_Click() {
    ChMemState& s = chMem();
    app::Guarded("frmChMem->vsfgGridCh_Click:", [&] {
        const int row = vsfgGridCh->mouseRow(), col = vsfgGridCh->mouseCol();
        clearHighlights(0);
        // The lock's selection colour stays while the lock is on.
        const bool locked = FaceLocked(app::shell());
        if (!locked) vsfgGridCh->setSelectionColor(platform::colorFromNumber(DesignSelectionColour));
        if (locked || row < 1 || col < 1) {
            s.CtdcsEditRow = 0;
            s.CtdcsEditCol = 0;
            return;
        }
        if (s.CtdcsEditCol == ColRxTone || s.CtdcsEditCol == ColTxTone) {
            cboGridChCtdcs_LostFocus();
            vsfgGridCh->setCurrentCell(row, col);
        }
        s.CtdcsEditRow = 0;
        s.CtdcsEditCol = 0;
        highlightRow(row, 0);
        setEditMode(EditModeFor(GridEvent::Click, col));
        HideCtdcs();
        switch (ClickAction(m(), row, col)) {
        case ClickTarget::EditRxFre:
            vsfgGridCh->setCurrentCell(row, ColRxFre);
            vsfgGridCh->editCell();
            break;
        case ClickTarget::OpenRxTone:
        case ClickTarget::OpenTxTone:
            openToneBox(row, col);
            break;
        case ClickTarget::MoveToTxFre:
            vsfgGridCh->setCurrentCell(row, ColTxFre);
            break;
        case ClickTarget::EditCell:
            vsfgGridCh->editCell();
            break;
        }
    });
}

void ChannelPage::openToneBox(int row, int col, Qt::FocusReason reason) {
    OpenToneBox(m(), chMem(), *this, row, col);
    cboGridChCtdcs->setGeometry(vsfgGridCh->cellRect(row, col));
    cboGridChCtdcs->show();
    cboGridChCtdcs->raise();
    toneBoxReleased_ = false;
    cboGridChCtdcs->setFocus(reason);
}

// A key typed on a tone cell, as a click there, opens the drop-down over
// it; a character typed is the first of the new tone, F2 only opens it.
bool ChannelPage::vsfgGridCh_KeyDown(QKeyEvent* key) {
    const QString typed = key->text();
    const bool character = !typed.isEmpty() && typed.at(0).isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!character && key->key() != Qt::Key_F2) return false;
    ChMemState& s = chMem();
    bool opened = false;
    const bool ran = app::Guarded("frmChMem->vsfgGridCh_KeyDown:", [&] {
        const int row = vsfgGridCh->row(), col = vsfgGridCh->col();
        if (FaceLocked(app::shell()) || row < 1 || row > m().ChCount ||
            (col != ColRxTone && col != ColTxTone))
            return;
        const ClickTarget target = ClickAction(m(), row, col);
        if (target != ClickTarget::OpenRxTone && target != ClickTarget::OpenTxTone) return;
        if (s.CtdcsEditCol == ColRxTone || s.CtdcsEditCol == ColTxTone) {
            cboGridChCtdcs_LostFocus();
            vsfgGridCh->setCurrentCell(row, col);
        }
        s.CtdcsEditRow = 0;
        s.CtdcsEditCol = 0;
        clearHighlights(0);
        highlightRow(row, 0);
        openToneBox(row, col, Qt::OtherFocusReason);
        if (character) QCoreApplication::sendEvent(cboGridChCtdcs, key);
        opened = true;
    });
    // A key that failed is taken all the same: the grid does not edit the cell.
    return opened || !ran;
}

void ChannelPage::reopenToneBox() {
    const bool shown = app::Guarded("frmChMem->vsfgGridCh_DblClick:", [&] {
        const int row = vsfgGridCh->row(), col = vsfgGridCh->col();
        const bool tone = !FaceLocked(app::shell()) && row >= 1 && row <= m().ChCount &&
                          (col == ColRxTone || col == ColTxTone);
        const ClickTarget target = tone ? ClickAction(m(), row, col) : ClickTarget::EditCell;
        if (target == ClickTarget::OpenRxTone || target == ClickTarget::OpenTxTone)
            openToneBox(row, col);
        else
            HideCtdcs();
    });
    if (!shown) HideCtdcs();
}

void ChannelPage::vsfgGridCh_DblClick() {
    const int row = vsfgGridCh->row(), col = vsfgGridCh->col();
    if (FaceLocked(app::shell()) || row < 1 || col < 1) return;
    setEditMode(EditModeFor(GridEvent::DblClick, col));
    DblClick(m(), app::shell(), *this, row, col);
}

void ChannelPage::cboGridChCtdcs_GotFocus() {
    app::Guarded("frmChMem->cboGridChCtdcs_GotFocus", [&] {
        const int row = vsfgGridCh->row(), col = vsfgGridCh->col();
        if (col == ColRxTone || col == ColTxTone)
            SetCtdcsText(m().ChCtdcs.at(static_cast<std::size_t>(row))[col == ColRxTone ? 0 : 1]);
        clearHighlights(1);
        highlightRow(row, 1);
    });
}

void ChannelPage::cboGridChCtdcs_LostFocus() {
    CommitTone(m(), chMem(), app::shell(), *this, cboGridChCtdcs->currentText().toStdString());
}

// Enter stores the tone as a click elsewhere does and leads on; Escape drops
// what was typed. The drop-down hides either way, also when nothing was pending.
bool ChannelPage::cboGridChCtdcs_KeyDown(QKeyEvent* key) {
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EnterTone(m(), chMem(), app::shell(), *this, cboGridChCtdcs->currentText().toStdString());
        break;
    case Qt::Key_Escape:
        CancelTone(chMem(), *this);
        break;
    default:
        return false;
    }
    HideCtdcs();
    return true;
}

// The tone shown is selected whole, so a tone typed replaces it.
void ChannelPage::SetCtdcsText(const std::string& text) {
    cboGridChCtdcs->setEditText(QString::fromStdString(text));
    cboGridChCtdcs->lineEdit()->selectAll();
}

void ChannelPage::ClearCtdcsItems() {
    cboGridChCtdcs->clear();
}

void ChannelPage::AddCtdcsItem(const std::string& text, int position) {
    cboGridChCtdcs->insertItem(position, QString::fromStdString(text));
}

// Hiding keeps the pending cell and stores nothing, even when the drop-down
// had the focus: a load hides it after the image was replaced. The keys it
// had go back to the grid, on its current cell.
void ChannelPage::HideCtdcs() {
    hidingToneBox_ = true;
    QWidget* focus = cboGridChCtdcs->window()->focusWidget();
    if (focus && (focus == cboGridChCtdcs || cboGridChCtdcs->isAncestorOf(focus)))
        vsfgGridCh->view()->setFocus(Qt::OtherFocusReason);
    cboGridChCtdcs->hide();
    hidingToneBox_ = false;
}

bool ChannelPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == vsfgGridCh->view() && event->type() == QEvent::KeyPress)
        return vsfgGridCh_KeyDown(static_cast<QKeyEvent*>(event)) || QObject::eventFilter(watched, event);
    if (watched == cboGridChCtdcs || watched == cboGridChCtdcs->lineEdit()) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (cboGridChCtdcs_KeyDown(static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::FocusIn:
            if (watched == cboGridChCtdcs && userFocusChange(event)) cboGridChCtdcs_GotFocus();
            break;
        case QEvent::FocusOut:
            if (watched == cboGridChCtdcs && userFocusChange(event) && !hidingToneBox_ &&
                !listOpen(*cboGridChCtdcs))
                cboGridChCtdcs_LostFocus();
            break;
        case QEvent::MouseButtonRelease:
            toneBoxReleased_ = true;
            break;
        case QEvent::MouseButtonDblClick:
            // The second click of a double click on a tone cell lands on the
            // drop-down its first click opened: it is the grid's double click,
            // and what the drop-down held is dropped unstored. The cell is
            // still the one being chosen: the drop-down opens again on the
            // tone the double click left there. Its first click went up over
            // the grid, before the drop-down was there.
            if (!toneBoxReleased_) {
                chMem().CtdcsEditRow = 0;
                chMem().CtdcsEditCol = 0;
                vsfgGridCh_DblClick();
                reopenToneBox();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

// ---- Buttons of the channel page ----

void ChannelPage::cmdPc_Click(int index) {
    app::Guarded("frmChMem->cmdPc_Click", [&] {
        // The defaults go through the settings buttons' entry, which the lock refuses.
        if (index == 0)
            UserPressPc(settingsPages(), m(), 0);
        else if (index == 1)
            model::InitChTable(m(), chkDelChA->isChecked() ? -1 : 0, chkDelChB->isChecked() ? -1 : 0);
        else if (index == 4)
            platform::host<AlignmentAccessHost>().OpenAlignmentWindow();
    });
}

// ---- The lock ----

void ChannelPage::setGridSelectionColor(long colour) {
    vsfgGridCh->setSelectionColor(platform::colorFromNumber(colour));
}

// The grid stays enabled so a locked channel list can still be read and
// scrolled; it refuses edits by itself. The band and file controls above it
// would replace the channels, so they lock with the settings pages.
void ChannelPage::SetLocked(bool locked) {
    fraPc0->setEnabled(!locked);
}

} // namespace channels

#include "channels/ui/frmChMem.h"

#include "channels/BandPresets.h"
#include "channels/ChGridEdit.h"
#include "channels/ChannelTexts.h"
#include "channels/ToneBox.h"
#include "channels/ui/frmCustomFre.h"
#include "model/Bands.h"
#include "model/ChGridLayout.h"
#include "model/ChTable.h"
#include "model/ImageMap.h"
#include "model/Tones.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "app/ui/Face.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"
#include "platform/System.h"
#include "platform/ui/QtDialogs.h"
#include "shell/FileCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace channels {
namespace {

// Designed fore colours of the band boxes: band 1 and band 2.
constexpr long Band1BoxColour = 0x00FF0000;
constexpr long Band2BoxColour = 0x000040C0;
constexpr long DesignSelectionColour = 0x00FF00FF;
const QColor RowHighlight(109, 213, 251);
const QColor GridAlternateBack(247, 247, 247);
constexpr long ChannelNumberColour = 0x00FF0000; // blue

model::ModelState& m() {
    return model::state();
}

platform::Grid::EditMode gridMode(EditMode mode) {
    switch (mode) {
    case EditMode::None:
        return platform::Grid::EditMode::None;
    case EditMode::Keyboard:
        return platform::Grid::EditMode::Keyboard;
    case EditMode::KeyboardMouse:
        break;
    }
    return platform::Grid::EditMode::KeyboardMouse;
}

// A change of the focus that the user made, not a popup or another window.
bool userFocusChange(QEvent* event) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace

frmChMem::frmChMem(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmChMem"));
    sstabSetMode = new QTabWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sstabSetMode);
    for (std::size_t i = 0; i < fraSysSet.size(); ++i) {
        fraSysSet[i] = new QWidget;
        sstabSetMode->addTab(fraSysSet[i], QString());
    }

    // Page 0: model and band, then the channel grid.
    fraPc0 = new QGroupBox(fraSysSet[0]);
    lblModel = new QLabel(fraPc0);
    cboModel = new QComboBox(fraPc0);
    lblFrequency = new QLabel(fraPc0);
    cboFrequency = new QComboBox(fraPc0);
    for (std::size_t i = 0; i < cmdPc.size(); ++i) cmdPc[i] = new QPushButton(fraPc0);
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
    cboModel->setMinimumContentsLength(14);
    cboFrequency->setMinimumContentsLength(14);

    fraPc1 = new QGroupBox(fraSysSet[0]);
    vsfgGridCh = new platform::Grid(fraPc1);
    vsfgGridCh->setObjectName(QStringLiteral("vsfgGridCh"));
    auto* gridLayout = new QVBoxLayout(fraPc1);
    gridLayout->addWidget(vsfgGridCh);
    auto* page0 = new QVBoxLayout(fraSysSet[0]);
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

    connect(cboModel, &QComboBox::activated, this, [this] { cboModel_Click(); });
    connect(cboFrequency, &QComboBox::activated, this, [this] { cboFrequency_Click(); });
    connect(cboGridChCtdcs, &QComboBox::activated, this, [this] { cboGridChCtdcs_LostFocus(); });
    connect(cmdPc[0], &QPushButton::clicked, this, [this] { cmdPc_Click(0); });
    connect(cmdPc[1], &QPushButton::clicked, this, [this] { cmdPc_Click(1); });
    connect(vsfgGridCh, &platform::Grid::beforeEdit, this, &frmChMem::vsfgGridCh_BeforeEdit);
    connect(vsfgGridCh, &platform::Grid::afterEdit, this, &frmChMem::vsfgGridCh_AfterEdit);
    connect(vsfgGridCh, &platform::Grid::click, this, &frmChMem::vsfgGridCh_Click);
    connect(vsfgGridCh, &platform::Grid::doubleClick, this, &frmChMem::vsfgGridCh_DblClick);
    // The drop-down belongs to one cell: moving or scrolling hides it.
    connect(vsfgGridCh, &platform::Grid::positionChanged, this, [this] { HideCtdcs(); });

    vsfgGridCh->setSelectionColor(platform::colorFromNumber(DesignSelectionColour));
    InitFace();
}

// The focus moves while the children go; none of it is an edit.
frmChMem::~frmChMem() {
    cboGridChCtdcs->removeEventFilter(this);
    cboGridChCtdcs->lineEdit()->removeEventFilter(this);
    for (QObject* sender : std::initializer_list<QObject*>{vsfgGridCh, cboModel, cboFrequency, cboGridChCtdcs,
                                                           cmdPc[0], cmdPc[1]})
        sender->disconnect(this);
}

void frmChMem::InitFace() {
    for (int i = 0; i < sstabSetMode->count(); ++i) sstabSetMode->setTabText(i, app::face(kTextFirstTab + i));
    fraPc0->setTitle(app::face(kTextFirstFrame));
    fraPc1->setTitle(app::face(kTextFirstFrame + 1));
    lblModel->setText(app::face(kTextModelLabel));
    lblFrequency->setText(app::face(kTextFrequencyLabel));
    cmdPc[0]->setText(app::face(kTextFirstButton));
    cmdPc[1]->setText(app::face(kTextFirstButton + 1));
}

// ---- Start-up ----

void frmChMem::InitChMem() {
    ChInfoInitFace();
    model::GenCtdcsList(m());
    model::ReadChInfo(m());
    SetChGrid();
    model::InitChTable(m(), -1, -1);
    chGridBackColor_ = platform::numberFromColor(vsfgGridCh->backColor());
    chGridSelColor_ = platform::numberFromColor(vsfgGridCh->selectionColor());
    ChInfoModel();
}

void frmChMem::ChInfoInitFace() {
    try {
        setWindowTitle(app::face(kTextChannelInfo));
        vsfgGridCh->setAlternateBackColor(GridAlternateBack);
    } catch (const std::exception& e) {
        app::VbErrNumDes("modChMem->ChInfoInitFace:", e);
    }
}

void frmChMem::SetChGrid() {
    try {
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
    } catch (const std::exception& e) {
        app::VbErrNumDes("modChMem->SetChGrid:", e);
    }
}

void frmChMem::ChInfoModel() {
    try {
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
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->ChInfoModel", e);
    }
}

// ---- Model and band ----

void frmChMem::cboModel_Click() {
    const int index = std::max(0, cboModel->currentIndex());
    m().IicDat[model::map::ModelByte] = static_cast<std::uint8_t>(index);
}

void frmChMem::cboFrequency_Click() {
    model::ModelState& s = m();
    if (s.FreRangeBusy == -1) return;
    try {
        const int index = cboFrequency->currentIndex();
        if (index < 0) return;
        Band2 band;
        if (index == model::CustomPresetIndex) {
            frmCustomFre dialog(*this, this);
            if (dialog.exec() != QDialog::Accepted) {
                // Nothing changes: the list shows the band the window holds.
                const QSignalBlocker quiet(cboFrequency);
                cboFrequency->setCurrentIndex(presetApplied_);
                return;
            }
            band = BoxBand(*this);
        } else {
            band = PresetBand(index);
        }
        ApplyBand2(s, *this, band);
        presetApplied_ = index;
        shell::NewFileSol(s);
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->cboFrequency_Click", e);
    }
}

void frmChMem::txtFreBand_Change(int index) {
    static const char* const defaults[4] = {"134.00000", "174.00000", "400.00000", "470.00000"};
    try {
        if (!platform::isNumeric(txtFreBand_.at(static_cast<std::size_t>(index))))
            SetFreBandText(index, defaults[index]);
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->txtFreBand_Change", e);
    }
}

long frmChMem::bandBoxForeColor(int box) const {
    return box < 2 ? Band1BoxColour : Band2BoxColour;
}

std::string frmChMem::FreBandText(int box) {
    return txtFreBand_.at(static_cast<std::size_t>(box));
}

void frmChMem::SetFreBandText(int box, const std::string& text) {
    std::string& shown = txtFreBand_.at(static_cast<std::size_t>(box));
    if (shown == text) return;
    shown = text;
    txtFreBand_Change(box);
}

int frmChMem::FrequencyListIndex() {
    return cboFrequency->currentIndex();
}

std::string frmChMem::FrequencyListText() {
    return cboFrequency->currentText().toStdString();
}

void frmChMem::SetFrequencyListIndex(int index) {
    if (index == cboFrequency->currentIndex()) return;
    {
        const QSignalBlocker quiet(cboFrequency);
        cboFrequency->setCurrentIndex(index);
    }
    // A load selects the preset of its band: the window holds that band now.
    if (m().FreRangeBusy == -1) presetApplied_ = index;
    cboFrequency_Click();
}

void frmChMem::SetCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

// ---- Grid ----

void frmChMem::checkChannelCell(int row, int col) const {
    if (row < 1 || col < 1 || row >= vsfgGridCh->rows() || col >= vsfgGridCh->cols())
        throw platform::Failure("The channel grid has no cell at row " + std::to_string(row) + ", column " +
                                std::to_string(col));
}

std::string frmChMem::ChGridText(int row, int col) {
    checkChannelCell(row, col);
    return vsfgGridCh->textMatrix(row, col).toStdString();
}

void frmChMem::SetChGridText(int row, int col, const std::string& text) {
    checkChannelCell(row, col);
    vsfgGridCh->setTextMatrix(row, col, QString::fromStdString(text));
}

void frmChMem::SetChGridTextColor(int row, int col, std::int32_t colour) {
    checkChannelCell(row, col);
    vsfgGridCh->setCellForeColor(row, col, platform::colorFromNumber(colour));
}

void frmChMem::SetChGridCurrent(int row, int col) {
    checkChannelCell(row, col);
    vsfgGridCh->setCurrentCell(row, col);
}

void frmChMem::ShowChTblGrid() {
    channels::ShowChTblGrid(m(), chMem(), app::shell(), *this);
}

void frmChMem::setEditMode(EditMode mode) {
    vsfgGridCh->setEditMode(gridMode(mode));
}

void frmChMem::clearHighlights(int firstCol) {
    if (m().ChCount < 1) return;
    vsfgGridCh->setCellBackColor(1, firstCol, vsfgGridCh->rows() - 1, vsfgGridCh->cols() - 1, QColor());
    cboGridChCtdcs->setPalette(QPalette());
    cboGridChCtdcs->lineEdit()->setPalette(QPalette());
}

void frmChMem::highlightRow(int row, int firstCol) {
    vsfgGridCh->setCellBackColor(row, firstCol, row, vsfgGridCh->cols() - 1, RowHighlight);
    QPalette p = cboGridChCtdcs->palette();
    p.setColor(QPalette::Base, RowHighlight);
    cboGridChCtdcs->setPalette(p);
    cboGridChCtdcs->lineEdit()->setPalette(p);
    vsfgGridCh->setSelectionColor(platform::colorFromNumber(DesignSelectionColour));
}

void frmChMem::vsfgGridCh_BeforeEdit(int row, int col, bool& cancel) {
    try {
        HideCtdcs();
        const BeforeEditResult r = BeforeEdit(m(), app::shell(), row, col);
        if (!r.setMode) return;
        setEditMode(r.mode);
        if (r.hasComboList) vsfgGridCh->setColComboList(col, QString::fromStdString(r.comboList));
        cancel = r.cancel;
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->vsfgGridCh_BeforeEdit:", e);
    }
}

void frmChMem::vsfgGridCh_AfterEdit(int row, int col) {
    try {
        AfterEdit(m(), app::shell(), *this, row, col, vsfgGridCh->textMatrix(row, col).toStdString());
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->vsfgGridCh_AfterEdit:", e);
    }
}

void frmChMem::vsfgGridCh_Click() {
    ChMemState& s = chMem();
    try {
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
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->vsfgGridCh_Click:", e);
    }
}

void frmChMem::openToneBox(int row, int col) {
    OpenToneBox(m(), chMem(), *this, row, col);
    cboGridChCtdcs->setGeometry(vsfgGridCh->cellRect(row, col));
    cboGridChCtdcs->show();
    cboGridChCtdcs->raise();
    toneBoxOpenedMs_ = platform::nowMs();
    cboGridChCtdcs->setFocus(Qt::MouseFocusReason);
}

void frmChMem::vsfgGridCh_DblClick() {
    const int row = vsfgGridCh->row(), col = vsfgGridCh->col();
    if (FaceLocked(app::shell()) || row < 1 || col < 1) return;
    setEditMode(EditModeFor(GridEvent::DblClick, col));
    DblClick(m(), app::shell(), *this, row, col);
}

void frmChMem::cboGridChCtdcs_GotFocus() {
    try {
        const int row = vsfgGridCh->row(), col = vsfgGridCh->col();
        if (col == ColRxTone || col == ColTxTone)
            SetCtdcsText(m().ChCtdcs.at(static_cast<std::size_t>(row))[col == ColRxTone ? 0 : 1]);
        clearHighlights(1);
        highlightRow(row, 1);
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->cboGridChCtdcs_GotFocus", e);
    }
}

void frmChMem::cboGridChCtdcs_LostFocus() {
    CommitTone(m(), chMem(), app::shell(), *this, cboGridChCtdcs->currentText().toStdString());
}

void frmChMem::SetCtdcsText(const std::string& text) {
    cboGridChCtdcs->setEditText(QString::fromStdString(text));
}

void frmChMem::ClearCtdcsItems() {
    cboGridChCtdcs->clear();
}

void frmChMem::AddCtdcsItem(const std::string& text, int position) {
    cboGridChCtdcs->insertItem(position, QString::fromStdString(text));
}

// Hiding keeps the pending cell and stores nothing, even when the drop-down
// had the focus: a load hides it after the image was replaced.
void frmChMem::HideCtdcs() {
    hidingToneBox_ = true;
    cboGridChCtdcs->hide();
    hidingToneBox_ = false;
}

bool frmChMem::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboGridChCtdcs || watched == cboGridChCtdcs->lineEdit()) {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (watched == cboGridChCtdcs && userFocusChange(event)) cboGridChCtdcs_GotFocus();
            break;
        case QEvent::FocusOut:
            if (watched == cboGridChCtdcs && userFocusChange(event) && !hidingToneBox_)
                cboGridChCtdcs_LostFocus();
            break;
        case QEvent::MouseButtonDblClick:
            // The second click of a double click on a tone cell lands on the
            // drop-down its first click opened: it is the grid's double click,
            // and the drop-down is dropped unstored.
            if (platform::nowMs() - toneBoxOpenedMs_ <= QApplication::doubleClickInterval()) {
                chMem().CtdcsEditRow = 0;
                chMem().CtdcsEditCol = 0;
                HideCtdcs();
                vsfgGridCh_DblClick();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Buttons of the channel page ----

void frmChMem::cmdPc_Click(int index) {
    try {
        if (index == 0)
            shell::OpenFile(platform::joinPath(platform::programFolder(), "DefRadioSet.def"), m());
        else if (index == 1)
            model::InitChTable(m(), chkDelChA->isChecked() ? -1 : 0, chkDelChB->isChecked() ? -1 : 0);
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->cmdPc_Click", e);
    }
}

// ---- The lock and the window's life ----

void frmChMem::setGridSelectionColor(long colour) {
    vsfgGridCh->setSelectionColor(platform::colorFromNumber(colour));
}

// The grid stays enabled so a locked channel list can still be read and
// scrolled; it refuses edits by itself. The band and file controls above it
// would replace the channels, so they lock with the settings pages.
void frmChMem::setSysSetFramesEnabled(bool enabled) {
    fraPc0->setEnabled(enabled);
    for (std::size_t i = 1; i < fraSysSet.size(); ++i) fraSysSet[i]->setEnabled(enabled);
}

void frmChMem::closeEvent(QCloseEvent* event) {
    try {
        if (app::shell().AppClosing != 1) event->ignore();
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->Form_QueryUnload:", e);
    }
}

void frmChMem::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    try {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && !sub->isMaximized())
            sub->showMaximized();
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->Form_Resize:", e);
    }
}

// ---- Settings pages: kept until the pages exist ----

void frmChMem::SetPhoneBookText(int row, int col, const std::string& text) {
    phoneBook_[{row, col}] = text;
}
std::string frmChMem::PcText(int index) {
    return txtPc_[index];
}
void frmChMem::SetPcText(int index, const std::string& text) {
    txtPc_[index] = text;
}
void frmChMem::SetRdWrCodeText(const std::string& text) {
    txtRdWrCode_ = text;
}
void frmChMem::SetNewRdWrCodeText(const std::string& text) {
    txtNewRdWrCode_ = text;
}
void frmChMem::InitOpt() {}

void InstallChannelWindow() {
    struct Maker : shell::ChannelWindowHost {
        shell::ChannelWindowSlot* MakeChannelWindow() override { return new frmChMem; }
    };
    static Maker maker;
    platform::Host<shell::ChannelWindowHost>::set(&maker);
}

} // namespace channels

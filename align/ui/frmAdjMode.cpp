#include "align/ui/frmAdjMode.h"

#include "align/AdjMode.h"
#include "align/AlignFiles.h"
#include "align/ui/AlignWindows.h"
#include "align/ui/FieldWidgets.h"
#include "align/ui/frmInputCode.h"
#include "app/ErrorReporter.h"
#include "app/ui/GuardedThenShown.h"
#include "link/FirmwareTable.h"
#include "link/ui/frmToolCom.h"
#include "model/Model.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace align::ui {

// Held while a link operation of the window runs: the window does not close
// meanwhile.
class Busy {
  public:
    explicit Busy(frmAdjMode& w) : w_(w) { ++w_.busy_; }
    ~Busy() { --w_.busy_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

  private:
    frmAdjMode& w_;
};

namespace {

using platform::twips;

frmAdjMode* g_instance = nullptr;

// The window's title and border in twips; the window's heights count them.
constexpr int kFrameTwips = 510;
// Client areas: the top area alone, and the window's width.
constexpr int kTopHeightTwips = 2805, kClientWidthTwips = 9330;
constexpr int kOptionTopTwips = 2820, kPowerTopTwips = 4380;

AdjModeWindow& adjMode() {
    return AdjMode(state());
}

QLabel* label(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

// The power lists of one frequency frame: a row of frequencies over the
// high-power lists ("高功") and the low-power lists ("低功").
struct PowerFrame {
    const char* caption;
    int firstMhz;
    int points;
    int firstLow;  // cboPwrAdj index of the first low-power list
    int firstHigh; // and of the first high-power list
};
constexpr PowerFrame kPowerFrames[] = {
    {"400--520MHz", 400, 13, 1, 14},
    {"134--174MHz", 134, 5, 27, 32},
    {"200--260MHz", 200, 7, 37, 44},
};

} // namespace

frmAdjMode::frmAdjMode()
    : QWidget(nullptr, Qt::Window), fraTop(new QWidget(this)), fraOption(new QFrame(this)),
      fraPwrAdj(new QGroupBox(QStringLiteral("功率调节"), this)) {
    setObjectName(QStringLiteral("frmAdjMode"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("调试"));
    fields =
        new FieldWidgets(Window::AdjMode, this, [this](Control c, int i, int v) { FieldChanged(c, i, v); });
    buildTop();
    buildOptions();
    buildPowerTable();
    fraTop->setGeometry(0, 0, twips(kClientWidthTwips), twips(kTopHeightTwips));
    fraOption->setGeometry(0, twips(kOptionTopTwips), twips(kClientWidthTwips),
                           twips(kPowerTopTwips - kOptionTopTwips));
    fraPwrAdj->setGeometry(0, twips(kPowerTopTwips), twips(kClientWidthTwips),
                           twips(kExpandedTwips - kFrameTwips - kPowerTopTwips));
    // The verify box lies right of the window's first width.
    chkCheckRw->setGeometry(twips(kClientWidthTwips + 150), twips(1000), twips(2400), twips(300));
    resize(twips(kClientWidthTwips), twips(kCollapsedTwips - kFrameTwips));
    connect(&tmrAutoWr, &QTimer::timeout, this, &frmAdjMode::tmrAutoWr_Timer);
    connect(&tmrAutoShowFlash, &QTimer::timeout, this, &frmAdjMode::tmrAutoShowFlash_Timer);
    g_instance = this;
    AdjModeLoad(state(), radiolink::linkState());
    ShowState();
}

frmAdjMode::~frmAdjMode() {
    if (g_instance == this) g_instance = nullptr;
    AdjModeUnload(state(), radiolink::linkState());
}

frmAdjMode& frmAdjMode::instance() {
    return g_instance ? *g_instance : *new frmAdjMode();
}

frmAdjMode* frmAdjMode::existing() {
    return g_instance;
}

void frmAdjMode::buildTop() {
    QWidget* top = fraTop;
    auto button = [top](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromUtf8(caption), top);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    auto box = [top](const char* caption, const char* name) {
        auto* b = new QCheckBox(QString::fromUtf8(caption), top);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    cmdRead = button("R", "cmdRead");
    cmdWrite = button("写入", "cmdWrite");
    cmdReadDat = button("读取文件", "cmdReadDat");
    cmdSaveDat = button("S", "cmdSaveDat");
    cmdPort = button("端口", "cmdPort");
    cmdAdjPwr = button("调功率", "cmdAdjPwr");
    cmdAdjDevSql = button("调静噪", "cmdAdjDevSql");
    cmdKey = button("K", "cmdKey");
    cmdSoft = button("S", "cmdSoft");
    cmdFlash = button("F", "cmdFlash");
    cmdAutoTest = button("自动调试", "cmdAutoTest");
    for (QPushButton* b : {cmdRead, cmdSaveDat, cmdKey, cmdSoft, cmdFlash}) b->setFixedWidth(twips(450));
    chkExitTryCom = box("退出尝试", "chkExitTryCom");
    chkAutoWr = box("自动写入", "chkAutoWr");
    chkAutoShowFlash = box("刷", "chkAutoShowFlash");
    chkCheckRw = new QCheckBox(QStringLiteral("校验读写正确性"), this);
    chkCheckRw->setObjectName(QStringLiteral("chkCheckRw"));
    optRwSort[2] = new QRadioButton(QStringLiteral("读取-->调试数据和信道内容"), top);
    optRwSort[3] = new QRadioButton(QStringLiteral("写入-->调试数据和信道内容"), top);
    optRwSort[2]->setObjectName(QStringLiteral("optRwSort_2"));
    optRwSort[3]->setObjectName(QStringLiteral("optRwSort_3"));
    txtWrInterval = new QLineEdit(top);
    txtWrInterval->setObjectName(QStringLiteral("txtWrInterval"));
    txtWrInterval->setFixedWidth(twips(900));
    txtWrInterval->installEventFilter(this);
    lblFileName = new QLabel(top);
    lblFileName->setObjectName(QStringLiteral("lblFileName"));
    lblFileName->setFrameShape(QFrame::Panel);
    lblFileName->setFrameShadow(QFrame::Sunken);
    lblFileName->setFixedHeight(twips(330));
    cboModel = new QComboBox(top);
    cboModel->setObjectName(QStringLiteral("cboModel"));
    cboModel->setMinimumWidth(twips(1800));

    auto* grid = new QGridLayout(top);
    grid->setContentsMargins(twips(120), twips(90), twips(120), twips(90));
    grid->setVerticalSpacing(twips(45));
    auto* rw = new QHBoxLayout;
    rw->addWidget(cmdRead);
    rw->addWidget(cmdWrite);
    grid->addLayout(rw, 0, 0);
    grid->addWidget(optRwSort[2], 0, 1, 1, 2);
    grid->addWidget(optRwSort[3], 1, 1, 1, 2);
    auto* tools = new QHBoxLayout;
    for (QPushButton* b : {cmdPort, cmdAdjPwr, cmdAdjDevSql}) tools->addWidget(b);
    grid->addLayout(tools, 0, 3);
    auto* coded = new QHBoxLayout;
    for (QPushButton* b : {cmdKey, cmdSoft, cmdFlash, cmdAutoTest}) coded->addWidget(b);
    grid->addLayout(coded, 1, 3);
    auto* loop = new QHBoxLayout;
    loop->addWidget(chkExitTryCom);
    loop->addWidget(chkAutoWr);
    loop->addWidget(label("间隔[ms]", top));
    loop->addWidget(txtWrInterval);
    loop->addStretch();
    loop->addWidget(chkAutoShowFlash);
    grid->addLayout(loop, 2, 0, 1, 4);
    auto* files = new QHBoxLayout;
    files->addWidget(label("选择机型", top));
    files->addWidget(cboModel);
    files->addStretch();
    files->addWidget(cmdReadDat);
    files->addWidget(cmdSaveDat);
    grid->addLayout(files, 3, 0, 1, 4);
    auto* name = new QHBoxLayout;
    name->addWidget(label("文件名:", top));
    name->addWidget(lblFileName, 1);
    grid->addLayout(name, 4, 0, 1, 4);

    auto* rwSort = new QButtonGroup(this);
    rwSort->addButton(optRwSort[2], 2);
    rwSort->addButton(optRwSort[3], 3);
    connect(rwSort, &QButtonGroup::idClicked, this, &frmAdjMode::optRwSort_Click);
    connect(cmdRead, &QPushButton::clicked, this, &frmAdjMode::cmdRead_Click);
    connect(cmdWrite, &QPushButton::clicked, this, &frmAdjMode::cmdWrite_Click);
    connect(chkExitTryCom, &QCheckBox::clicked, this, &frmAdjMode::chkExitTryCom_Click);
    connect(chkAutoWr, &QCheckBox::clicked, this, &frmAdjMode::chkAutoWr_Click);
    connect(chkCheckRw, &QCheckBox::clicked, this, &frmAdjMode::chkCheckRw_Click);
    connect(chkAutoShowFlash, &QCheckBox::clicked, this, &frmAdjMode::chkAutoShowFlash_Click);
    connect(txtWrInterval, &QLineEdit::textEdited, this, &frmAdjMode::txtWrInterval_Change);
    connect(cmdReadDat, &QPushButton::clicked, this, &frmAdjMode::cmdReadDat_Click);
    connect(cmdSaveDat, &QPushButton::clicked, this, &frmAdjMode::cmdSaveDat_Click);
    connect(cmdPort, &QPushButton::clicked, this, &frmAdjMode::cmdPort_Click);
    connect(cmdAdjPwr, &QPushButton::clicked, this, &frmAdjMode::cmdAdjPwr_Click);
    connect(cmdAdjDevSql, &QPushButton::clicked, this, &frmAdjMode::cmdAdjDevSql_Click);
    connect(cmdKey, &QPushButton::clicked, this, &frmAdjMode::cmdKey_Click);
    connect(cmdSoft, &QPushButton::clicked, this, &frmAdjMode::cmdSoft_Click);
    connect(cmdFlash, &QPushButton::clicked, this, &frmAdjMode::cmdFlash_Click);
    connect(cmdAutoTest, &QPushButton::clicked, this, &frmAdjMode::cmdAutoTest_Click);
}

void frmAdjMode::buildOptions() {
    QFrame* frame = fraOption;
    frame->setFrameShape(QFrame::StyledPanel);
    chkOnlineAdj = new QCheckBox(QStringLiteral("在线调试"), frame);
    chkOnlineAdj->setObjectName(QStringLiteral("chkOnlineAdj"));
    chkBps = new QCheckBox(QStringLiteral("高速"), frame);
    chkBps->setObjectName(QStringLiteral("chkBps"));
    chkRadioFre()->setText(QStringLiteral("收音机:32.768KHz"));
    chkBpsHlPara()->setText(QStringLiteral("高速参数"));
    for (QWidget* w : {static_cast<QWidget*>(cboCryFre()), static_cast<QWidget*>(chkRadioFre()),
                       static_cast<QWidget*>(chkBpsHlPara()), static_cast<QWidget*>(cboCompanName())})
        w->setParent(frame);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(twips(120), twips(60), twips(120), twips(60));
    grid->addWidget(chkOnlineAdj, 0, 0);
    grid->addWidget(label("晶体频率", frame), 0, 1, Qt::AlignRight);
    grid->addWidget(cboCryFre(), 0, 2);
    grid->addWidget(chkRadioFre(), 0, 3, 1, 2);
    grid->addWidget(chkBps, 0, 5);
    grid->addWidget(chkBpsHlPara(), 0, 6, 1, 2);
    const char* bands[] = {"通道134-174", "通道200-260", "通道400-520"};
    for (int g = 0; g < 3; ++g) {
        cboFreBand(g)->setParent(frame);
        grid->addWidget(label(bands[g], frame), 1, 2 * g, Qt::AlignRight);
        grid->addWidget(cboFreBand(g), 1, 2 * g + 1);
    }
    grid->addWidget(label("名字", frame), 1, 6, Qt::AlignRight);
    grid->addWidget(cboCompanName(), 1, 7);
    connect(chkOnlineAdj, &QCheckBox::clicked, this, &frmAdjMode::chkOnlineAdj_Click);
    connect(chkBps, &QCheckBox::clicked, this, &frmAdjMode::chkBps_Click);
}

void frmAdjMode::buildPowerTable() {
    auto* outer = new QGridLayout(fraPwrAdj);
    outer->setContentsMargins(twips(90), twips(30), twips(90), twips(30));
    outer->setSpacing(twips(30));
    QFont small = font();
    small.setPointSizeF(8);
    auto frameOf = [&](const PowerFrame& f) {
        auto* frame = new QGroupBox(QString::fromLatin1(f.caption), fraPwrAdj);
        auto* grid = new QGridLayout(frame);
        grid->setContentsMargins(twips(45), 0, twips(45), twips(30));
        grid->setSpacing(1);
        grid->addWidget(label("高功", frame), 1, 0);
        grid->addWidget(label("低功", frame), 2, 0);
        for (int k = 0; k < f.points; ++k) {
            QLabel* mhz = new QLabel(QString::number(f.firstMhz + 10 * k), frame);
            mhz->setAlignment(Qt::AlignCenter);
            grid->addWidget(mhz, 0, k + 1);
            for (auto [row, first] : {std::pair{1, f.firstHigh}, std::pair{2, f.firstLow}}) {
                QComboBox* list = cboPwrAdj(first + k);
                list->setParent(frame);
                grid->addWidget(list, row, k + 1);
            }
        }
        return frame;
    };
    outer->addWidget(frameOf(kPowerFrames[0]), 0, 0, 1, 3);
    outer->addWidget(frameOf(kPowerFrames[1]), 1, 0);
    outer->addWidget(frameOf(kPowerFrames[2]), 1, 1);
    auto* fine = new QVBoxLayout;
    fine->addWidget(label("频率微调", fraPwrAdj));
    cboPwrAdj(0)->setParent(fraPwrAdj);
    fine->addWidget(cboPwrAdj(0));
    fine->addStretch();
    outer->addLayout(fine, 1, 2);
    // Thirteen lists side by side in the window's width: a narrow arrow
    // leaves room for three digits.
    for (int i = 0; i < 51; ++i) {
        cboPwrAdj(i)->setFont(small);
        cboPwrAdj(i)->setStyleSheet(
            QStringLiteral("QComboBox { padding: 0px 0px 0px 3px; } QComboBox::drop-down { width: 12px; }"));
        cboPwrAdj(i)->setFixedWidth(twips(630));
    }
}

QComboBox* frmAdjMode::cboPwrAdj(int i) const {
    return fields->list(Control::cboPwrAdj, i);
}
QComboBox* frmAdjMode::cboCryFre() const {
    return fields->list(Control::cboCryFre, 0);
}
QCheckBox* frmAdjMode::chkRadioFre() const {
    return fields->box(Control::chkRadioFre, 0);
}
QCheckBox* frmAdjMode::chkBpsHlPara() const {
    return fields->box(Control::chkBpsHlPara, 0);
}
QComboBox* frmAdjMode::cboFreBand(int g) const {
    return fields->list(Control::cboFreBand, g);
}
QComboBox* frmAdjMode::cboCompanName() const {
    return fields->list(Control::cboCompanName, 0);
}

void frmAdjMode::ShowState() {
    AdjModeWindow& w = adjMode();
    fields->show(w.fields);
    platform::show(cmdRead, w.cmdRead);
    platform::show(cmdWrite, w.cmdWrite);
    platform::show(optRwSort[2]->group(), w.optRwSort);
    platform::show(chkExitTryCom, w.chkExitTryCom);
    platform::show(chkAutoWr, w.chkAutoWr);
    platform::show(chkCheckRw, w.chkCheckRw);
    platform::show(chkOnlineAdj, w.chkOnlineAdj);
    platform::show(chkBps, w.chkBps);
    platform::show(chkAutoShowFlash, w.chkAutoShowFlash);
    platform::show(txtWrInterval, w.txtWrInterval);
    platform::show(tmrAutoWr, w.tmrAutoWr);
    platform::show(tmrAutoShowFlash, w.tmrAutoShowFlash);
}

// ---- Handlers ----

void frmAdjMode::FieldChanged(Control control, int index, int value) {
    const bool ran = app::GuardedThenShown("frmAdjMode->FieldChanged", *this, [&] {
        Busy busy(*this);
        AdjModeFieldChanged(state(), radiolink::linkState(), model::IicDat(), control, index, value);
    });
    if (ran && control == Control::cboPwrAdj && adjMode().chkOnlineAdj.Value == 1)
        cboPwrAdj(index)->setFocus();
}

void frmAdjMode::cmdRead_Click() {
    app::GuardedThenShown("frmAdjMode->cmdRead_Click", *this, [&] {
        Busy busy(*this);
        AdjReadRadio(radiolink::linkState(), model::state());
    });
}

void frmAdjMode::cmdWrite_Click() {
    app::GuardedThenShown("frmAdjMode->cmdWrite_Click", *this, [&] {
        Busy busy(*this);
        AdjWriteRadio(radiolink::linkState(), radiolink::firmware(), model::state());
    });
}

void frmAdjMode::optRwSort_Click(int k) {
    app::GuardedThenShown("frmAdjMode->optRwSort_Click", *this, [&] { align::optRwSort_Click(state(), k); });
}

void frmAdjMode::chkExitTryCom_Click() {
    app::GuardedThenShown("frmAdjMode->chkExitTryCom_Click", *this, [&] {
        align::chkExitTryCom_Click(state(), radiolink::linkState(), chkExitTryCom->isChecked() ? 1 : 0);
    });
}

void frmAdjMode::chkAutoWr_Click() {
    app::GuardedThenShown("frmAdjMode->chkAutoWr_Click", *this, [&] {
        align::chkAutoWr_Click(state(), chkAutoWr->isChecked() ? 1 : 0);
        // Every click starts the interval afresh.
        tmrAutoWr.stop();
    });
}

void frmAdjMode::chkCheckRw_Click() {
    app::Guarded("frmAdjMode->chkCheckRw_Click",
                 [&] { adjMode().chkCheckRw.Value = chkCheckRw->isChecked() ? 1 : 0; });
}

void frmAdjMode::chkOnlineAdj_Click() {
    app::Guarded("frmAdjMode->chkOnlineAdj_Click",
                 [&] { adjMode().chkOnlineAdj.Value = chkOnlineAdj->isChecked() ? 1 : 0; });
}

void frmAdjMode::chkBps_Click() {
    app::GuardedThenShown("frmAdjMode->chkBps_Click", *this, [&] {
        align::chkBps_Click(state(), radiolink::linkState(), chkBps->isChecked() ? 1 : 0);
    });
}

void frmAdjMode::chkAutoShowFlash_Click() {
    app::GuardedThenShown("frmAdjMode->chkAutoShowFlash_Click", *this, [&] {
        align::chkAutoShowFlash_Click(state(), chkAutoShowFlash->isChecked() ? 1 : 0);
        tmrAutoShowFlash.stop();
    });
}

void frmAdjMode::txtWrInterval_Change() {
    app::Guarded("frmAdjMode->txtWrInterval_Change",
                 [&] { adjMode().txtWrInterval = txtWrInterval->text().toStdString(); });
}

void frmAdjMode::txtWrInterval_DblClick() {
    app::GuardedThenShown("frmAdjMode->txtWrInterval_DblClick", *this,
                          [&] { align::txtWrInterval_DblClick(state()); });
}

void frmAdjMode::cmdReadDat_Click() {
    app::GuardedThenShown("frmAdjMode->cmdReadDat_Click", *this, [&] {
        Busy busy(*this);
        if (const auto path = align::cmdReadDat_Click(cboModel->currentIndex(), model::state()))
            lblFileName->setText(QString::fromStdString(*path));
    });
}

void frmAdjMode::cmdSaveDat_Click() {
    app::Guarded("frmAdjMode->cmdSaveDat_Click", [&] {
        if (const auto path = align::cmdSaveDat_Click(cboModel->currentIndex(), model::IicDat()))
            lblFileName->setText(QString::fromStdString(*path));
    });
}

void frmAdjMode::cmdPort_Click() {
    app::Guarded("frmAdjMode->cmdPort_Click", [&] { radiolink::ui::ShowPortDialog(this); });
}

int frmAdjMode::HeightTwips() const {
    return static_cast<int>(platform::toTwips(height())) + kFrameTwips;
}

void frmAdjMode::setHeightTwips(int twipsHigh) {
    resize(width(), twips(twipsHigh - kFrameTwips));
}

void frmAdjMode::cmdAdjPwr_Click() {
    setHeightTwips(HeightTwips() >= kToggleTwips ? kCollapsedTwips : kExpandedTwips);
    // Expanded near the screen's foot, it moves up to show the power table.
    if (isVisible()) platform::keepOnScreen(*this);
}

void frmAdjMode::cmdAdjDevSql_Click() {
    app::Guarded("frmAdjMode->cmdAdjDevSql_Click",
                 [&] { Open(AskAccessCode(this, CodeButton::cmdAdjDevSql), this); });
}

void frmAdjMode::cmdKey_Click() {
    app::Guarded("frmAdjMode->cmdKey_Click", [&] { Open(AskAccessCode(this, CodeButton::cmdKey), this); });
}

void frmAdjMode::cmdSoft_Click() {
    app::Guarded("frmAdjMode->cmdSoft_Click", [&] { Open(AskAccessCode(this, CodeButton::cmdSoft), this); });
}

void frmAdjMode::cmdFlash_Click() {
    app::Guarded("frmAdjMode->cmdFlash_Click",
                 [&] { Open(AskAccessCode(this, CodeButton::cmdFlash), this); });
}

void frmAdjMode::cmdAutoTest_Click() {
    // Asks for the code; nothing follows either way.
    app::Guarded("frmAdjMode->cmdAutoTest_Click",
                 [&] { Open(AskAccessCode(this, CodeButton::cmdAutoTest)); });
}

void frmAdjMode::tmrAutoWr_Timer() {
    app::GuardedThenShown("frmAdjMode->tmrAutoWr_Timer", *this, [&] {
        Busy busy(*this);
        switch (align::tmrAutoWr_Timer(state(), radiolink::linkState())) {
        case AutoRwStep::Read:
            AdjReadRadio(radiolink::linkState(), model::state());
            break;
        case AutoRwStep::Write:
            AdjWriteRadio(radiolink::linkState(), radiolink::firmware(), model::state());
            break;
        case AutoRwStep::None:
            break;
        }
    });
}

void frmAdjMode::tmrAutoShowFlash_Timer() {
    app::Guarded("frmAdjMode->tmrAutoShowFlash_Timer",
                 [] { platform::host<FlashToolsHost>().RefreshGridFlash(); });
}

void frmAdjMode::closeEvent(QCloseEvent* event) {
    if (busy_ > 0) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool frmAdjMode::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtWrInterval && event->type() == QEvent::MouseButtonDblClick) txtWrInterval_DblClick();
    return QWidget::eventFilter(watched, event);
}

} // namespace align::ui

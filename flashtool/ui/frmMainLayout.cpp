// The memory tool window's controls with their fixed captions (Simplified
// Chinese and English whatever the interface language), and which handler
// each control runs.
#include "app/ui/GuardedThenShown.h"
#include "flashtool/ToolWindowLogic.h"
#include "flashtool/ui/MemoryGrid.h"
#include "flashtool/ui/frmMain.h"
#include "link/WindowState.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace flashtool::ui {
namespace {

QPushButton* button(const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setAutoDefault(false);
    return b;
}

QLabel* label(const char* caption, QWidget* parent) {
    return new QLabel(QString::fromUtf8(caption), parent);
}

QComboBox* list(QWidget* parent, const char* name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setMinimumContentsLength(10);
    c->setMaxVisibleItems(20);
    return c;
}

} // namespace

void frmMain::buildControls() {
    sstabCtl = new QTabWidget(this);
    sstabCtl->setObjectName(QStringLiteral("sstabCtl"));
    sstabCtl->addTab(buildFlashTab(), QStringLiteral("Flash"));
    sstabCtl->addTab(buildRamTab(false), QStringLiteral("In Ram"));
    sstabCtl->addTab(buildRamTab(true), QStringLiteral("Ext Ram"));
    sstabCtl->addTab(buildControlTab(), QStringLiteral("Control"));
    sstabCtl->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    sstabData = new QTabWidget(this);
    sstabData->setObjectName(QStringLiteral("sstabData"));
    vsfgGridFlash = new MemoryGrid(tool(), radiolink::GridFlash, sstabData);
    vsfgGridInRam = new MemoryGrid(tool(), radiolink::GridInRam, sstabData);
    vsfgGridExtRam = new MemoryGrid(tool(), radiolink::GridExtRam, sstabData);
    vsfgGridFlash->setObjectName(QStringLiteral("vsfgGridFlash"));
    vsfgGridInRam->setObjectName(QStringLiteral("vsfgGridInRam"));
    vsfgGridExtRam->setObjectName(QStringLiteral("vsfgGridExtRam"));
    sstabData->addTab(vsfgGridFlash, QStringLiteral("Flash"));
    sstabData->addTab(vsfgGridInRam, QStringLiteral("In Ram"));
    sstabData->addTab(vsfgGridExtRam, QStringLiteral("Ext Ram"));
    // The sixteen byte columns share the window's width, none left empty.
    for (MemoryGrid* g : {vsfgGridFlash, vsfgGridInRam, vsfgGridExtRam})
        g->view()->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    txtAddrNote = new QLineEdit(this);
    txtAddrNote->setObjectName(QStringLiteral("txtAddrNote"));
    txtAddrNote->setReadOnly(true);
    chkStopCom = new QCheckBox(QStringLiteral("Stop Com"), this);
    chkStopCom->setObjectName(QStringLiteral("chkStopCom"));
    // The status and the file name take the window's width and wrap what
    // is longer, so a long reason or path neither widens the window nor
    // hides its end.
    lblComStatus = new QLabel(this);
    lblComStatus->setObjectName(QStringLiteral("lblComStatus"));
    lblFileName = new QLabel(this);
    lblFileName->setObjectName(QStringLiteral("lblFileName"));
    lblFileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel* line : {lblComStatus, lblFileName}) {
        line->setWordWrap(true);
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    imgComOk = new QLabel(this);
    imgComOk->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(16, 16));
    imgComOk->setToolTip(QString::fromUtf8("通信成功"));

    auto* status = new QHBoxLayout;
    status->addWidget(chkStopCom);
    status->addWidget(imgComOk);
    status->addWidget(lblComStatus, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(sstabCtl);
    layout->addWidget(sstabData, 1);
    layout->addWidget(txtAddrNote);
    layout->addLayout(status);
    layout->addWidget(lblFileName);
}

QWidget* frmMain::buildFlashTab() {
    auto* tab = new QWidget;
    auto* update = new QGroupBox(QString::fromUtf8("软件更新"), tab);
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(2);
    boxes->setVerticalSpacing(1);
    for (int n = 0; n < 64; ++n) {
        chkFlashPage[n] = new QCheckBox(QString::number(n), update);
        chkFlashPage[n]->setObjectName(QStringLiteral("chkFlashPage%1").arg(n));
        chkFlashPage[n]->setAutoFillBackground(true);
        boxes->addWidget(chkFlashPage[n], n / 16, n % 16);
    }
    cmdReadFlash = button("R", update);
    cmdWriteFlash = button("写入", update);
    cmdFlashPageAll = button("全选", update);
    txtWrRightCnt = new QLineEdit(QStringLiteral("0"), update);
    txtWrRightCnt->setObjectName(QStringLiteral("txtWrRightCnt"));
    txtWrRightCnt->setMaximumWidth(70);
    cmdZero = button("清零", update);
    auto* buttons = new QGridLayout;
    buttons->addWidget(cmdReadFlash, 0, 0);
    buttons->addWidget(cmdWriteFlash, 0, 1);
    buttons->addWidget(cmdFlashPageAll, 0, 2);
    buttons->addWidget(label("写入正确的次数", update), 1, 0, 1, 2);
    buttons->addWidget(txtWrRightCnt, 1, 2);
    buttons->addWidget(cmdZero, 2, 2);
    auto* updateLayout = new QHBoxLayout(update);
    updateLayout->addLayout(boxes, 1);
    updateLayout->addLayout(buttons);

    auto* files = new QGroupBox(QString::fromUtf8("读取保存文件"), tab);
    cmdReadDat = button("读取文件", files);
    cmdSaveDat = button("保存文件", files);
    auto* filesLayout = new QHBoxLayout(files);
    filesLayout->addWidget(cmdReadDat);
    filesLayout->addWidget(cmdSaveDat);

    auto* autoWrite = new QGroupBox(QString::fromUtf8("自动写入设置"), tab);
    chkAutoWr = new QCheckBox(QString::fromUtf8("自动写入"), autoWrite);
    chkAutoWr->setObjectName(QStringLiteral("chkAutoWr"));
    txtWrInterval = new QLineEdit(QStringLiteral("1500"), autoWrite);
    txtWrInterval->setObjectName(QStringLiteral("txtWrInterval"));
    txtWrInterval->setMaximumWidth(70);
    auto* autoLayout = new QHBoxLayout(autoWrite);
    autoLayout->addWidget(chkAutoWr);
    autoLayout->addWidget(label("间隔[ms]", autoWrite));
    autoLayout->addWidget(txtWrInterval);

    auto* clear = new QGroupBox(QString::fromUtf8("清除FLASH的页"), tab);
    cboFlashPage = list(clear, "cboFlashPage");
    cboFlashPage->setMinimumContentsLength(3);
    for (int n = 0; n < 64; ++n) cboFlashPage->addItem(QString::number(n));
    cmdClrFlashPage = button("清除", clear);
    auto* clearLayout = new QHBoxLayout(clear);
    clearLayout->addWidget(cboFlashPage);
    clearLayout->addWidget(cmdClrFlashPage);

    auto* notes = new QGridLayout;
    const char* noteLabels[3] = {"Flash地址", "IN RAM地址", "EXT RAM地址"};
    for (int i = 0; i < 3; ++i) {
        cboNoteAddr[i] = list(tab, "cboNoteAddr");
        notes->addWidget(label(noteLabels[i], tab), i, 0);
        notes->addWidget(cboNoteAddr[i], i, 1);
    }

    auto* lower = new QHBoxLayout;
    lower->addWidget(files);
    lower->addWidget(autoWrite);
    lower->addWidget(clear);
    lower->addLayout(notes);
    lower->addStretch(1);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(update);
    layout->addLayout(lower);
    return tab;
}

QWidget* frmMain::buildRamTab(bool external) {
    auto* tab = new QWidget;
    const int index = external ? 1 : 0;
    chkInitInExtRamAddr[index] = new QCheckBox(QString::fromUtf8("初始化内部/外部RAM的地址选择"), tab);
    chkInitInExtRamAddr[index]->setObjectName(QStringLiteral("chkInitInExtRamAddr%1").arg(index));
    QComboBox *wrFir, *wrLast, *rdFir, *rdLast;
    QPushButton *write, *read;
    if (external) {
        wrFir = cboWrExtRamFir = list(tab, "cboWrExtRamFir");
        wrLast = cboWrExtRamLast = list(tab, "cboWrExtRamLast");
        rdFir = cboRdExtRamFir = list(tab, "cboRdExtRamFir");
        rdLast = cboRdExtRamLast = list(tab, "cboRdExtRamLast");
        write = cmdWrExtRam = button("EXT写入", tab);
        read = cmdRdExtRam = button("EXT读取", tab);
    } else {
        wrFir = cboWrInRamFir = list(tab, "cboWrInRamFir");
        wrLast = cboWrInRamLast = list(tab, "cboWrInRamLast");
        rdFir = cboRdInRamFir = list(tab, "cboRdInRamFir");
        rdLast = cboRdInRamLast = list(tab, "cboRdInRamLast");
        write = cmdWrInRam = button("IN写入", tab);
        read = cmdRdInRam = button("IN读取", tab);
    }
    auto* ranges = new QGridLayout;
    ranges->addWidget(write, 0, 0);
    ranges->addWidget(wrFir, 0, 1);
    ranges->addWidget(new QLabel(QStringLiteral("-"), tab), 0, 2);
    ranges->addWidget(wrLast, 0, 3);
    ranges->addWidget(read, 1, 0);
    ranges->addWidget(rdFir, 1, 1);
    ranges->addWidget(new QLabel(QStringLiteral("-"), tab), 1, 2);
    ranges->addWidget(rdLast, 1, 3);
    ranges->setColumnStretch(4, 1);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(chkInitInExtRamAddr[index], 0, Qt::AlignLeft);
    layout->addLayout(ranges);
    layout->addStretch(1);
    return tab;
}

QWidget* frmMain::buildControlTab() {
    auto* tab = new QWidget;
    auto* port = new QGroupBox(QString::fromUtf8("端口"), tab);
    cboComBps = list(port, "cboComBps");
    cboComBps->setMinimumContentsLength(7);
    for (const char* baud : radiolink::kBaudList) cboComBps->addItem(QString::fromLatin1(baud));
    cmdPort = button("端口 1", port);
    cmdPort->setObjectName(QStringLiteral("cmdPort"));
    lblBpsDat = new QLabel(QStringLiteral("19200,n,8,2"), port);
    lblBpsDat->setObjectName(QStringLiteral("lblBpsDat"));
    auto* portLayout = new QGridLayout(port);
    portLayout->addWidget(label("波特率", port), 0, 0);
    portLayout->addWidget(cboComBps, 0, 1);
    portLayout->addWidget(cmdPort, 0, 2);
    portLayout->addWidget(lblBpsDat, 1, 0, 1, 3);

    auto* colours = new QGroupBox(QString::fromUtf8("显示表格颜色"), tab);
    chkGridFlashColor = new QCheckBox(QStringLiteral("FLASH"), colours);
    chkGridInRamColor = new QCheckBox(QStringLiteral("In Ram"), colours);
    chkGridExtRamColor = new QCheckBox(QStringLiteral("Ext Ram"), colours);
    chkGridFlashColor->setObjectName(QStringLiteral("chkGridFlashColor"));
    chkGridInRamColor->setObjectName(QStringLiteral("chkGridInRamColor"));
    chkGridExtRamColor->setObjectName(QStringLiteral("chkGridExtRamColor"));
    auto* coloursLayout = new QVBoxLayout(colours);
    for (QCheckBox* box : {chkGridFlashColor, chkGridInRamColor, chkGridExtRamColor})
        coloursLayout->addWidget(box, 0, Qt::AlignLeft);

    cmdPartFill = button("部分填充", tab);
    auto* show = new QGroupBox(QString::fromUtf8("表格显示"), tab);
    chkSoftShowGrid = new QCheckBox(QString::fromUtf8("软件的内容在FLASH的表格中显示"), show);
    chkSoftShowGrid->setObjectName(QStringLiteral("chkSoftShowGrid"));
    auto* showLayout = new QVBoxLayout(show);
    showLayout->addWidget(chkSoftShowGrid, 0, Qt::AlignLeft);

    auto* layout = new QHBoxLayout(tab);
    layout->setAlignment(Qt::AlignTop);
    layout->addWidget(port, 0, Qt::AlignTop);
    layout->addWidget(colours, 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(cmdPartFill, 0, Qt::AlignLeft);
    right->addWidget(show);
    right->addStretch(1);
    layout->addLayout(right);
    layout->addStretch(1);
    return tab;
}

void frmMain::connectHandlers() {
    ToolState& t = tool();
    radiolink::ToolWindow& w = t.link.frmMain;
    // The user's changes go into the state; code that shows the state sets
    // the controls with their signals blocked.
    for (int n = 0; n < 64; ++n)
        connect(chkFlashPage[n], &QCheckBox::clicked, this,
                [&w, n](bool on) { w.chkFlashPage[n].Value = on ? 1 : 0; });
    connect(chkStopCom, &QCheckBox::clicked, this, [&w](bool on) { w.chkStopCom.Value = on ? 1 : 0; });
    connect(chkSoftShowGrid, &QCheckBox::clicked, this,
            [&w](bool on) { w.chkSoftShowGrid.Value = on ? 1 : 0; });
    connect(chkGridFlashColor, &QCheckBox::clicked, this,
            [&w](bool on) { w.chkGridFlashColor.Value = on ? 1 : 0; });
    connect(chkGridInRamColor, &QCheckBox::clicked, this,
            [&w](bool on) { w.chkGridInRamColor.Value = on ? 1 : 0; });
    connect(chkGridExtRamColor, &QCheckBox::clicked, this,
            [&w](bool on) { w.chkGridExtRamColor.Value = on ? 1 : 0; });
    connect(txtWrInterval, &QLineEdit::textEdited, this,
            [&w](const QString& text) { w.txtWrInterval = text.toStdString(); });
    connect(txtWrRightCnt, &QLineEdit::textEdited, this,
            [&w](const QString& text) { w.txtWrRightCnt = text.toStdString(); });
    connect(cboFlashPage, &QComboBox::activated, this, [&t](int index) { t.cboFlashPage = index; });
    // cmdClrFlashPage, cmdSaveDat and the named-address lists have no work
    // to do: the tool never clears a page or saves a file from here.

    connect(cmdReadFlash, &QPushButton::clicked, this, &frmMain::cmdReadFlash_Click);
    connect(cmdWriteFlash, &QPushButton::clicked, this, &frmMain::cmdWriteFlash_Click);
    connect(cmdFlashPageAll, &QPushButton::clicked, this, &frmMain::cmdFlashPageAll_Click);
    connect(cmdZero, &QPushButton::clicked, this, &frmMain::cmdZero_Click);
    connect(cmdReadDat, &QPushButton::clicked, this, &frmMain::cmdReadDat_Click);
    connect(chkAutoWr, &QCheckBox::clicked, this, &frmMain::chkAutoWr_Click);
    connect(&tmrAutoWr, &QTimer::timeout, this, &frmMain::tmrAutoWr_Timer);
    for (QCheckBox* box : chkInitInExtRamAddr)
        connect(box, &QCheckBox::clicked, this, &frmMain::chkInitInExtRamAddr_Click);
    connect(cmdWrInRam, &QPushButton::clicked, this, &frmMain::cmdWrInRam_Click);
    connect(cmdRdInRam, &QPushButton::clicked, this, &frmMain::cmdRdInRam_Click);
    connect(cmdWrExtRam, &QPushButton::clicked, this, &frmMain::cmdWrExtRam_Click);
    connect(cmdRdExtRam, &QPushButton::clicked, this, &frmMain::cmdRdExtRam_Click);
    connect(cboComBps, &QComboBox::activated, this, &frmMain::cboComBps_Click);
    connect(cmdPort, &QPushButton::clicked, this, &frmMain::cmdPort_Click);
    connect(cmdPartFill, &QPushButton::clicked, this, &frmMain::cmdPartFill_Click);

    const std::pair<QComboBox*, RamList> lists[] = {
        {cboWrInRamFir, WrInRamFir},   {cboWrInRamLast, WrInRamLast},   {cboRdInRamFir, RdInRamFir},
        {cboRdInRamLast, RdInRamLast}, {cboWrExtRamFir, WrExtRamFir},   {cboWrExtRamLast, WrExtRamLast},
        {cboRdExtRamFir, RdExtRamFir}, {cboRdExtRamLast, RdExtRamLast},
    };
    for (const auto& [box, which] : lists)
        connect(box, &QComboBox::activated, this, [this, &t, which](int index) {
            app::GuardedThenShown("frmMain->RamListChosen", *this, [&] { RamListChosen(t, which, index); });
        });

    connect(sstabCtl, &QTabWidget::currentChanged, this, [this, &t](int tab) {
        app::GuardedThenShown("frmMain->sstabCtl_Click", *this, [&] { sstabCtl_Click(t, tab); });
    });
    connect(sstabData, &QTabWidget::currentChanged, this, [this, &t](int tab) {
        app::GuardedThenShown("frmMain->sstabData_Click", *this, [&] { sstabData_Click(t, tab); });
    });
}

} // namespace flashtool::ui

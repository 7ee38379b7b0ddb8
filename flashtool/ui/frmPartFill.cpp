#include "flashtool/ui/frmPartFill.h"

#include "app/ErrorReporter.h"
#include "app/ui/GuardedThenShown.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/ui/FactoryLook.h"
#include "platform/Dialogs.h"
#include "platform/ui/Widgets.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace flashtool::ui {
namespace {

QPointer<frmPartFill> g_dialog;

} // namespace

frmPartFill& frmPartFill::instance() {
    if (!g_dialog) {
        g_dialog = new frmPartFill();
        g_dialog->Form_Load();
    }
    return *g_dialog;
}

frmPartFill* frmPartFill::existing() {
    return g_dialog.data();
}

frmPartFill::frmPartFill() : QWidget(nullptr, Qt::Dialog) {
    setObjectName(QStringLiteral("frmPartFill"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("部分填充"));
    UseFactoryFont(this);

    auto* target = new QGroupBox(this);
    auto* targetLayout = new QHBoxLayout(target);
    const char* names[3] = {"Flash", "In Ram", "Ext Ram"};
    for (int i = 0; i < 3; ++i) {
        optGridFlashRam[i] = new QRadioButton(QString::fromLatin1(names[i]), target);
        optGridFlashRam[i]->setObjectName(QStringLiteral("optGridFlashRam%1").arg(i));
        targetLayout->addWidget(optGridFlashRam[i]);
        connect(optGridFlashRam[i], &QRadioButton::clicked, this, [this, i] { optGridFlashRam_Click(i); });
    }
    txtFillData = new QLineEdit(this);
    txtFillData->setObjectName(QStringLiteral("txtFillData"));
    cboFillData = new QComboBox(this);
    cboFillData->setObjectName(QStringLiteral("cboFillData"));
    for (const char* base : FillBases) cboFillData->addItem(QString::fromLatin1(base));
    txtStartAddr = new QLineEdit(this);
    txtStartAddr->setObjectName(QStringLiteral("txtStartAddr"));
    txtEndAddr = new QLineEdit(this);
    txtEndAddr->setObjectName(QStringLiteral("txtEndAddr"));
    cmdFillData = new QPushButton(QString::fromUtf8("填充"), this);
    cmdFillData->setObjectName(QStringLiteral("cmdFillData"));
    cmdFillData->setAutoDefault(false);

    auto* boxes = new QGridLayout;
    boxes->addWidget(new QLabel(QString::fromUtf8("填充的数据"), this), 0, 0);
    boxes->addWidget(txtFillData, 0, 1);
    boxes->addWidget(cboFillData, 0, 2);
    boxes->addWidget(new QLabel(QString::fromUtf8("起始地址"), this), 1, 0);
    boxes->addWidget(txtStartAddr, 1, 1);
    boxes->addWidget(new QLabel(QStringLiteral("H"), this), 1, 2);
    boxes->addWidget(new QLabel(QString::fromUtf8("终止地址"), this), 2, 0);
    boxes->addWidget(txtEndAddr, 2, 1);
    boxes->addWidget(new QLabel(QStringLiteral("H"), this), 2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(target);
    layout->addLayout(boxes);
    layout->addWidget(cmdFillData, 0, Qt::AlignRight);

    connect(txtFillData, &QLineEdit::textEdited, this,
            [this](const QString& text) { state.txtFillData = text.toStdString(); });
    connect(cboFillData, &QComboBox::activated, this, [this](int index) { state.cboFillData = index; });
    connect(txtStartAddr, &QLineEdit::textEdited, this, [this](const QString& text) {
        state.txtStartAddr = text.toStdString();
        txtStartAddr_Change();
    });
    connect(txtEndAddr, &QLineEdit::textEdited, this, [this](const QString& text) {
        state.txtEndAddr = text.toStdString();
        txtEndAddr_Change();
    });
    connect(cmdFillData, &QPushButton::clicked, this, &frmPartFill::cmdFillData_Click);
}

void frmPartFill::Form_Load() {
    PartFillLoad(tool(), state);
    ShowState();
}

void frmPartFill::ShowState() {
    optGridFlashRam[state.optGridFlashRam]->setChecked(true);
    platform::show(txtFillData, state.txtFillData);
    platform::show(cboFillData, state.cboFillData);
    platform::show(txtStartAddr, state.txtStartAddr);
    platform::show(txtEndAddr, state.txtEndAddr);
}

void frmPartFill::optGridFlashRam_Click(int index) {
    app::GuardedThenShown("frmPartFill->optGridFlashRam_Click", *this,
                          [&] { flashtool::optGridFlashRam_Click(tool(), state, index); });
}

void frmPartFill::txtStartAddr_Change() {
    app::Guarded("frmPartFill->txtStartAddr_Change", [&] { flashtool::txtStartAddr_Change(tool(), state); });
}

void frmPartFill::txtEndAddr_Change() {
    app::Guarded("frmPartFill->txtEndAddr_Change", [&] { flashtool::txtEndAddr_Change(tool(), state); });
}

void frmPartFill::cmdFillData_Click() {
    app::Guarded("frmPartFill->cmdFillData_Click", [&] {
        const FillOutcome outcome = flashtool::cmdFillData_Click(tool(), state);
        if (!outcome.filled)
            platform::dialogs().message(outcome.message, texts::NoticeTitle, platform::Buttons::Ok,
                                        platform::Icon::Exclamation);
    });
}

void frmPartFill::closeEvent(QCloseEvent* event) {
    if (g_dialog == this) g_dialog = nullptr;
    event->accept();
}

void ShowPartFill(QWidget* opener) {
    platform::showModeless(frmPartFill::instance(), opener);
}

} // namespace flashtool::ui

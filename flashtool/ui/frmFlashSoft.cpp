#include "flashtool/ui/frmFlashSoft.h"

#include "app/ErrorReporter.h"
#include "app/ui/GuardedThenShown.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/ui/FactoryLook.h"
#include "platform/Dialogs.h"
#include "platform/ui/Widgets.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace flashtool::ui {
namespace {

QPointer<frmFlashSoft> g_window;

QLineEdit* shownBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    return box;
}

} // namespace

frmFlashSoft& frmFlashSoft::instance() {
    if (!g_window) {
        g_window = new frmFlashSoft();
        flashSoft().Load();
        g_window->ShowState();
    }
    return *g_window;
}

frmFlashSoft* frmFlashSoft::existing() {
    return g_window.data();
}

frmFlashSoft::frmFlashSoft() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmFlashSoft"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("软件"));
    UseFactoryFont(this);

    auto* fraMain = new QGroupBox(QString::fromUtf8("软件版本"), this);
    cboModelSelect = new QComboBox(fraMain);
    cboModelSelect->setObjectName(QStringLiteral("cboModelSelect"));
    cboModelSelect->setMaxVisibleItems(20);
    cboSoftVer = new QComboBox(fraMain);
    cboSoftVer->setObjectName(QStringLiteral("cboSoftVer"));
    txtSoftSpecial = shownBox(fraMain, "txtSoftSpecial");
    cmdChkLeadSoftVer = new QPushButton(fraMain);
    cmdChkLeadSoftVer->setObjectName(QStringLiteral("cmdChkLeadSoftVer"));
    chkWrSelectSoftVer = new QCheckBox(QString::fromUtf8("写入选择的软件版本"), fraMain);
    chkWrSelectSoftVer->setObjectName(QStringLiteral("chkWrSelectSoftVer"));
    // As wide as its caption: a click beside it is no click on it.
    chkWrSelectSoftVer->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* upper = new QFormLayout(fraMain);
    upper->addRow(QString::fromUtf8("机型选择"), cboModelSelect);
    upper->addRow(QString::fromUtf8("软件版本"), cboSoftVer);
    upper->addRow(QString::fromUtf8("软件特征"), txtSoftSpecial);
    upper->addRow(cmdChkLeadSoftVer);
    upper->addRow(chkWrSelectSoftVer);

    auto* fraSoftConvert = new QGroupBox(QString::fromUtf8("软件转化"), this);
    cboSoftFileAddr = new QComboBox(fraSoftConvert);
    cboSoftFileAddr->setObjectName(QStringLiteral("cboSoftFileAddr"));
    cboSaveAddr = new QComboBox(fraSoftConvert);
    cboSaveAddr->setObjectName(QStringLiteral("cboSaveAddr"));
    cboSaveAddr->setEditable(true);
    txtSoftCode = shownBox(fraSoftConvert, "txtSoftCode");
    txtSoftVersion = shownBox(fraSoftConvert, "txtSoftVersion");
    txtSoftDay = shownBox(fraSoftConvert, "txtSoftDay");
    txtSoftSpe = shownBox(fraSoftConvert, "txtSoftSpe");
    cmdSoftConvert = new QPushButton(QString::fromUtf8("软件转化"), fraSoftConvert);
    cmdSoftConvert->setObjectName(QStringLiteral("cmdSoftConvert"));
    auto* lower = new QFormLayout(fraSoftConvert);
    lower->addRow(QString::fromUtf8("软件路径"), cboSoftFileAddr);
    lower->addRow(QString::fromUtf8("保存路径"), cboSaveAddr);
    lower->addRow(QString::fromUtf8("软件代号"), txtSoftCode);
    lower->addRow(QString::fromUtf8("软件版本"), txtSoftVersion);
    lower->addRow(QString::fromUtf8("软件时间"), txtSoftDay);
    lower->addRow(QString::fromUtf8("软件特征"), txtSoftSpe);
    lower->addRow(cmdSoftConvert);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraMain);
    layout->addWidget(fraSoftConvert);
    resize(520, 460);

    connect(cboModelSelect, &QComboBox::activated, this, &frmFlashSoft::cboModelSelect_Click);
    connect(cboSoftVer, &QComboBox::activated, this, &frmFlashSoft::cboSoftVer_Click);
    connect(chkWrSelectSoftVer, &QCheckBox::clicked, this, &frmFlashSoft::chkWrSelectSoftVer_Click);
    connect(cmdChkLeadSoftVer, &QPushButton::clicked, this, &frmFlashSoft::cmdChkLeadSoftVer_Click);
    connect(cboSoftFileAddr, &QComboBox::activated, this, &frmFlashSoft::cboSoftFileAddr_Click);
    connect(cmdSoftConvert, &QPushButton::clicked, this, &frmFlashSoft::cmdSoftConvert_Click);
    connect(cboSaveAddr->lineEdit(), &QLineEdit::textEdited, this,
            [](const QString& text) { flashSoft().cboSaveAddr = text.toStdString(); });
    view_.emplace(*this);
}

frmFlashSoft::~frmFlashSoft() {
    view_.reset();
}

void frmFlashSoft::ShowState() {
    const FlashSoftWindow& w = flashSoft();
    platform::show(cboModelSelect, w.cboModelSelectItems, w.cboModelSelect);
    platform::show(cboSoftVer, w.cboSoftVerItems, w.cboSoftVer);
    platform::show(txtSoftSpecial, w.txtSoftSpecial);
    cmdChkLeadSoftVer->setText(QString::fromStdString(w.cmdChkLeadSoftVerCaption));
    platform::show(chkWrSelectSoftVer, w.chkWrSelectSoftVer);
    platform::show(cboSoftFileAddr, w.cboSoftFileAddrItems, w.cboSoftFileAddr);
    if (const QString path = QString::fromStdString(w.cboSaveAddr); cboSaveAddr->currentText() != path)
        cboSaveAddr->setEditText(path);
    platform::show(txtSoftCode, w.converted.code);
    platform::show(txtSoftVersion, w.converted.version);
    platform::show(txtSoftDay, w.converted.day);
    platform::show(txtSoftSpe, w.converted.identity);
}

void frmFlashSoft::cboModelSelect_Click(int index) {
    app::GuardedThenShown("frmFlashSoft->cboModelSelect_Click", *this,
                          [&] { flashSoft().cboModelSelect_Click(index); });
}

void frmFlashSoft::cboSoftVer_Click(int position) {
    app::GuardedThenShown("frmFlashSoft->cboSoftVer_Click", *this,
                          [&] { flashSoft().cboSoftVer_Click(position); });
}

void frmFlashSoft::chkWrSelectSoftVer_Click() {
    app::GuardedThenShown("frmFlashSoft->chkWrSelectSoftVer_Click", *this, [&] {
        flashSoft().chkWrSelectSoftVer_Click(chkWrSelectSoftVer->isChecked() ? 1 : 0);
    });
}

void frmFlashSoft::cmdChkLeadSoftVer_Click() {
    app::GuardedThenShown("frmFlashSoft->cmdChkLeadSoftVer_Click", *this,
                          [] { flashSoft().cmdChkLeadSoftVer_Click(); });
}

void frmFlashSoft::cboSoftFileAddr_Click(int index) {
    app::GuardedThenShown("frmFlashSoft->cboSoftFileAddr_Click", *this,
                          [&] { flashSoft().cboSoftFileAddr_Click(index); });
}

void frmFlashSoft::cmdSoftConvert_Click() {
    app::GuardedThenShown("frmFlashSoft->cmdSoftConvert_Click", *this, [] {
        const ConvertOutcome outcome = flashSoft().cmdSoftConvert_Click();
        if (!outcome.ok)
            platform::dialogs().message(outcome.message, texts::NoticeTitle, platform::Buttons::Ok,
                                        platform::Icon::Exclamation);
    });
}

void frmFlashSoft::closeEvent(QCloseEvent* event) {
    // Discarded: the next use creates a new window, even before this one is gone.
    view_.reset();
    if (g_window == this) g_window = nullptr;
    app::Guarded("frmFlashSoft->Form_Unload", [] { flashSoft().Unload(); });
    event->accept();
}

} // namespace flashtool::ui

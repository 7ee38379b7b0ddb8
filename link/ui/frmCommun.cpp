#include "link/ui/frmCommun.h"

#include "app/ErrorReporter.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/ui/Face.h"
#include "app/ui/FaceFont.h"
#include "link/Commun.h"
#include "link/Engine.h"
#include "link/LinkHosts.h"
#include "link/LinkTexts.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Widgets.h"
#include "shell/Startup.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <functional>

namespace radiolink::ui {
namespace {

using platform::twips;

QPointer<frmCommun> g_dialog;
bool g_unloaded = false; // closed by the user; the next use loads it afresh

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// The frame passes its double-click to the dialog.
class Frame : public QGroupBox {
  public:
    Frame(QWidget* parent, std::function<void()> onDoubleClick)
        : QGroupBox(parent), onDoubleClick_(std::move(onDoubleClick)) {}

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        onDoubleClick_();
        event->accept();
    }

  private:
    std::function<void()> onDoubleClick_;
};

QPixmap greenLight(int size) {
    QPixmap p(size, size);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0, 100, 0));
    painter.setBrush(QColor(0, 200, 0));
    painter.drawEllipse(1, 1, size - 2, size - 2);
    return p;
}

} // namespace

frmCommun& frmCommun::instance(QWidget* owner) {
    if (g_dialog && g_unloaded) {
        delete g_dialog.data();
        g_unloaded = false;
    }
    if (!g_dialog) {
        g_dialog = new frmCommun(owner);
        g_dialog->Form_Load();
    }
    return *g_dialog;
}

frmCommun* frmCommun::existing() {
    return g_unloaded ? nullptr : g_dialog.data();
}

frmCommun::frmCommun(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCommun"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    fraOne = new Frame(this, [this] { fraOne_DblClick(); });
    imgGreen = new QLabel(fraOne);
    imgGreen->setPixmap(greenLight(twips(270)));
    lblComStatus = new QLabel(fraOne);
    lblComStatus->setObjectName(QStringLiteral("lblComStatus"));
    lblComStatus->setWordWrap(true);
    lblComStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    prgCommunicate = new QProgressBar(fraOne);
    prgCommunicate->setRange(0, 100);
    prgCommunicate->setTextVisible(false);
    chkStopCom = new QCheckBox(fraOne);
    chkStopCom->hide();
    chkAutoUpdate = new QCheckBox(fraOne);
    chkAutoUpdate->setText(app::face(app::TextKey::UpdateFirmware));
    cmdRead = new QPushButton(fraOne);
    cmdWrite = new QPushButton(fraOne);

    layOut();

    connect(cmdRead, &QPushButton::clicked, this, &frmCommun::cmdRead_Click);
    connect(cmdWrite, &QPushButton::clicked, this, &frmCommun::cmdWrite_Click);
    // Like the original's boxes, a value set from code runs the handler too.
    connect(chkStopCom, &QCheckBox::toggled, this, &frmCommun::chkStopCom_Click);
    connect(chkAutoUpdate, &QCheckBox::toggled, this, &frmCommun::chkAutoUpdate_Click);
    connect(&tmrLigGrint, &QTimer::timeout, this, &frmCommun::tmrLigGrint_Timer);
    tmrNotice.setSingleShot(true);
    tmrNotice.setTimerType(Qt::PreciseTimer);
    connect(&tmrNotice, &QTimer::timeout, this, &frmCommun::noticeOver);
}

frmCommun::~frmCommun() {
    if (g_dialog == this) g_unloaded = false;
}

void frmCommun::Form_Load() {
    app::Guarded("frmCommun->Form_Load", [&] {
        InitFace();
        chkAutoUpdate->hide();
        // The box starts unticked: update stays off unless the key says on.
        linkState().AutoUpdate = 0;
        const std::int32_t update =
            app::ReadIniNum(app::keys::Update.section, app::keys::Update.key, app::keys::Update.defaultValue,
                            app::keys::Update.n, app::SettingsFile());
        linkState().AutoUpdate = update == 1 ? -1 : 0;
        chkAutoUpdate->setChecked(update == 1);
    });
}

void frmCommun::InitFace() {
    app::Guarded("frmCommun->InitFace", [&] {
        app::UseFaceFont({this, fraOne, cmdRead, cmdWrite});
        setWindowTitle(app::face(kTextCommunTitle));
        fraOne->setTitle(app::face(kTextCommunFrame));
        cmdRead->setText(app::face(kTextReadButton));
        cmdWrite->setText(app::face(kTextWriteButton));
        chkStopCom->setText(app::face(app::TextKey::StopCommunication));
        lblComStatus->setStyleSheet(QStringLiteral("color: #FF0000;"));
        SetStatus(std::string());
        prgCommunicate->setValue(0);
        imgGreen->hide();
    });
}

void frmCommun::SetStatus(const std::string& text) {
    linkState().frmCommun.lblComStatus = text;
    const QString shown = QString::fromStdString(text);
    if (lblComStatus->text() == shown) return;
    lblComStatus->setText(shown);
    layOut();
    lblComStatus_Change();
}

void frmCommun::layOut() {
    // The status line has room for two lines; a longer notice (at the end
    // of a road) gets what it needs, and what lies below moves down.
    const int room = twips(480);
    const int needed = lblComStatus->text().isEmpty() ? 0 : lblComStatus->heightForWidth(twips(4320));
    const int more = std::max(0, needed - room);
    auto place = [more](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(twips(left), twips(top) + more, twips(width), twips(height));
    };
    setFixedSize(twips(5400), twips(2520) + more);
    fraOne->setGeometry(twipsRect(120, 60, 5160, 2340).adjusted(0, 0, 0, more));
    imgGreen->setGeometry(twipsRect(240, 390, 270, 270));
    lblComStatus->setGeometry(twipsRect(600, 330, 4320, 480).adjusted(0, 0, 0, more));
    place(prgCommunicate, 240, 900, 4680, 300);
    place(chkStopCom, 240, 1320, 2880, 300);
    place(chkAutoUpdate, 240, 1800, 2880, 300);
    place(cmdRead, 3480, 1560, 1440, 480);
    place(cmdWrite, 3480, 1560, 1440, 480);
}

void frmCommun::ShowLinkState() {
    const CommunPanel& panel = linkState().frmCommun;
    SetStatus(panel.lblComStatus);
    chkStopCom->setVisible(panel.chkStopComVisible);
}

void frmCommun::lblComStatus_Change() {
    prgCommunicate->setValue(std::clamp<int>(linkState().ComPercent, 0, 100));
}

void frmCommun::beginRoad(QPushButton* button, int waitMs) {
    LinkState& s = linkState();
    s.ComStop = 0;
    s.FreMode = -1;
    s.CommunBusy = -1;
    tmrNotice.stop();
    // A stop left ticked by the road before would not stop this one.
    chkStopCom->setChecked(false);
    button->setEnabled(false);
    imgGreen->show();
    SetStatus(app::text(app::kTextCommunicating));
    if (waitMs > 0) DelayNms(s, waitMs);
    tmrLigGrint.stop();
    tmrLigGrint.setInterval(100);
    tmrLigGrint.start();
    s.ComPercent = 0;
    prgCommunicate->setValue(0);
}

void frmCommun::runRoad(QPushButton* button, int waitMs, bool write,
                        const std::function<std::string()>& work) {
    LinkState& s = linkState();
    PortPanelHost& panel = platform::host<PortPanelHost>();
    std::string notice;
    const auto tell = [&](const RoadFailure& failure) {
        notice = failure.notice;
        panel.LinkFailureShown(failure.panel, failure.notice);
    };
    // The road's failure is told in the dialog and the status panel, not reported.
    const auto failed = [&](const app::Caught& c) {
        s.ComFail = -1;
        tell(DescribeRoadFailure(s, write, &c));
        SetStatus(notice);
        DelayNms(s, 750);
        platform::clock().sleepMs(750);
    };
    app::Guarded(app::Unreported, failed, [&] {
        beginRoad(button, waitMs);
        notice = work();
        if (s.ComFail == -1) {
            tell(DescribeRoadFailure(s, write));
        } else {
            panel.LinkFailureShown(std::string(), std::string());
        }
        if (!notice.empty()) SetStatus(notice);
        DelayNms(s, 250);
        platform::clock().sleepMs(250);
    });
    // Whatever happened, the road ends: the dialog is free again.
    app::Guarded(write ? "frmCommun->cmdWrite_Click" : "frmCommun->cmdRead_Click",
                 [&] { endRoad(button, notice); });
}

void frmCommun::cmdRead_Click() {
    runRoad(cmdRead, 10, false, [] {
        CommunRead(linkState(), model::state());
        return std::string();
    });
}

void frmCommun::cmdWrite_Click() {
    runRoad(cmdWrite, 0, true, [] {
        const CommunWriteResult written = CommunWrite(linkState(), radiolink::firmware(), model::state());
        std::string notice;
        if (written.firmware.outcome == WriteFirmware::NoBuiltInVersion)
            notice =
                " - " + app::text(app::TextKey::NoBuiltInFirmware, std::to_string(written.firmware.model));
        if (written.serial == SerialStep::UsedUp) notice += " - " + app::text(app::TextKey::SerialListUsedUp);
        return notice.empty() ? notice : app::text(kTextWriteSuccessful) + notice;
    });
}

void frmCommun::endRoad(QPushButton* button, const std::string& notice) {
    LinkState& s = linkState();
    s.FreMode = 0;
    button->setEnabled(true);
    tmrLigGrint.stop();
    imgGreen->hide();
    s.CommunBusy = 0;
    prgCommunicate->setValue(0);
    SetStatus(notice);
    DelayNms(s, 50);
    // The stop ends with the road it stopped: a box left ticked would fail
    // every later link operation of every window.
    chkStopCom->setChecked(false);
    s.ComStop = 0;
    chkStopCom->hide();
    s.frmCommun.chkStopComVisible = false;
    if (notice.empty())
        hide();
    else
        tmrNotice.start(NoticeMs);
}

void frmCommun::noticeOver() {
    SetStatus(std::string());
    hide();
}

void frmCommun::chkStopCom_Click() {
    linkState().ComStop = chkStopCom->isChecked() ? -1 : 0;
}

void frmCommun::chkAutoUpdate_Click() {
    app::Guarded("frmCommun->chkAutoUpdate_Click", [&] {
        const bool on = chkAutoUpdate->isChecked();
        linkState().AutoUpdate = on ? -1 : 0;
        shell::NoteAndTellSettingsWrite(app::shell(), app::WriteSetting(app::keys::Update, on ? "1" : "0"));
    });
}

void frmCommun::fraOne_DblClick() {
    chkAutoUpdate->setVisible(chkAutoUpdate->isHidden());
}

void frmCommun::tmrLigGrint_Timer() {
    if (imgGreen->isHidden()) imgGreen->show();
}

void frmCommun::closeEvent(QCloseEvent* event) {
    // Refused silently while a road runs.
    if (linkState().CommunBusy == -1) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmCommun::reject() {
    if (linkState().CommunBusy == -1) return;
    tmrNotice.stop();
    tmrLigGrint.stop();
    g_unloaded = true;
    QDialog::reject();
}

void ShowCommunDialog(QWidget* owner, bool write) {
    frmCommun& d = frmCommun::instance(owner);
    d.cmdWrite->setVisible(write);
    d.cmdRead->setVisible(!write);
    d.chkAutoUpdate->hide();
    d.prgCommunicate->setValue(0);
    d.chkStopCom->setChecked(false);
    linkState().ComStop = 0;
    platform::placeWindow(d, owner);
    d.exec();
}

} // namespace radiolink::ui

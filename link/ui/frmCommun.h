#pragma once
// The read/write dialog: one button for the direction the main window chose,
// the link's status text with its progress bar, the stop box, the busy light
// and the hidden automatic firmware update box. Created on first use, hidden
// at the end of each road, unloaded when the user closes it while idle.
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>

namespace radiolink::ui {

class frmCommun : public QDialog {
    Q_OBJECT
  public:
    // The dialog, loaded on first use with owner as its parent.
    static frmCommun& instance(QWidget* owner = nullptr);
    static frmCommun* existing();
    ~frmCommun() override;

    void InitFace();

    void cmdRead_Click();
    void cmdWrite_Click();
    void chkStopCom_Click();
    void chkAutoUpdate_Click();
    void lblComStatus_Change();
    void fraOne_DblClick();
    void tmrLigGrint_Timer();

    // The status text; a new text moves the progress bar to ComPercent.
    void SetStatus(const std::string& text);
    // Shows what the link set in LinkState::frmCommun.
    void ShowLinkState();

    QGroupBox* fraOne;
    QPushButton* cmdRead;
    QPushButton* cmdWrite;
    QLabel* lblComStatus;
    QProgressBar* prgCommunicate;
    QCheckBox* chkStopCom;
    QCheckBox* chkAutoUpdate;
    QLabel* imgGreen;
    QTimer tmrLigGrint;
    // Keeps a failure readable before the dialog hides.
    QTimer tmrNotice;
    static constexpr int NoticeMs = 3000;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    explicit frmCommun(QWidget* parent);
    void Form_Load();
    // The controls where the design puts them, below a status text that
    // needs more than its room.
    void layOut();
    // Busy: flags, button, light and status; the read waits waitMs first.
    void beginRoad(QPushButton* button, int waitMs);
    // A road: busy, the work (its result a notice to keep on screen), the
    // closing wait; a failure shows why, here and in the main window's
    // status panel, until a good road. Then idle again.
    void runRoad(QPushButton* button, int waitMs, bool write, const std::function<std::string()>& work);
    // Back to idle; hides at once, or after NoticeMs showing notice.
    void endRoad(QPushButton* button, const std::string& notice);
    void noticeOver();
};

// The main window's read and write roads: the dialog set up for the
// direction and shown modally over owner.
void ShowCommunDialog(QWidget* owner, bool write);

} // namespace radiolink::ui

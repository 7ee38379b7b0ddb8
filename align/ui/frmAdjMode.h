#pragma once
// The alignment window: the radio read and write of the alignment page set
// with their automatic loop, the data files, the power table with online
// alignment, the crystal, band groups, high-speed parameter and company, the
// line speed, and the coded buttons of the other factory windows. Fixed
// Simplified Chinese captions. It shows AlignState::frmAdjMode and writes
// the user's changes through the logic (align/AdjMode.h). Created on first
// use, hidden until shown; closing it discards it and its state.
#include "align/AlignMap.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace align::ui {

class FieldWidgets;

class frmAdjMode : public QWidget {
    Q_OBJECT
  public:
    static frmAdjMode& instance();
    static frmAdjMode* existing();
    ~frmAdjMode() override;

    // Heights in twips with the title and border: collapsed, expanded, and
    // the height from which the toggle collapses.
    static constexpr int kCollapsedTwips = 3315, kExpandedTwips = 7395, kToggleTwips = 6000;

    // Handlers.
    void FieldChanged(Control control, int index, int value); // power table, crystal, bands...
    void cmdRead_Click();
    void cmdWrite_Click();
    void optRwSort_Click(int k);
    void chkExitTryCom_Click();
    void chkAutoWr_Click();
    void chkCheckRw_Click();
    void chkOnlineAdj_Click();
    void chkBps_Click();
    void chkAutoShowFlash_Click();
    void txtWrInterval_Change();
    void txtWrInterval_DblClick();
    void cmdReadDat_Click();
    void cmdSaveDat_Click();
    void cmdPort_Click();
    void cmdAdjPwr_Click();
    void cmdAdjDevSql_Click();
    void cmdKey_Click();
    void cmdSoft_Click();
    void cmdFlash_Click();
    void cmdAutoTest_Click();
    void tmrAutoWr_Timer();
    void tmrAutoShowFlash_Timer();

    // Shows the state again, no handler raised.
    void ShowState();
    // The window's height in twips, title and border included.
    int HeightTwips() const;

    QComboBox* cboPwrAdj(int i) const;
    QComboBox* cboCryFre() const;
    QCheckBox* chkRadioFre() const;
    QCheckBox* chkBpsHlPara() const;
    QComboBox* cboFreBand(int g) const;
    QComboBox* cboCompanName() const;

    QPushButton *cmdRead, *cmdWrite, *cmdReadDat, *cmdSaveDat, *cmdPort, *cmdAdjPwr, *cmdAdjDevSql, *cmdKey,
        *cmdSoft, *cmdFlash, *cmdAutoTest;
    std::array<QRadioButton*, 4> optRwSort{}; // 2 read type, 3 write type
    QCheckBox *chkExitTryCom, *chkAutoWr, *chkCheckRw, *chkOnlineAdj, *chkBps, *chkAutoShowFlash;
    QLineEdit* txtWrInterval;
    QLabel* lblFileName;
    QComboBox* cboModel; // no entries: its index chooses the data files' folder
    QWidget* fraTop;
    QFrame* fraOption;
    QGroupBox* fraPwrAdj;
    FieldWidgets* fields;
    QTimer tmrAutoWr;
    QTimer tmrAutoShowFlash;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    frmAdjMode();
    void buildTop();
    void buildOptions();
    void buildPowerTable();
    void setHeightTwips(int twips);
    int busy_ = 0; // a link operation of this window runs
    friend class Busy;
};

} // namespace align::ui

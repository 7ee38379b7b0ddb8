#pragma once
// The memory tool window: the control tabs and the grid tabs kept in step,
// the 64 page boxes that select the pages of every flash transfer, the
// flash, internal-RAM and external-RAM grids, HEX loading, the automatic
// write with its counter, the RAM ranges, the line speed and the port. It
// shows flashtool::tool() and LinkState::frmMain and hears of their changes
// as the tool window's view while it exists; its handlers call the flash
// tools' logic (flashtool/ToolWindowLogic.h).
//
// Created on first use and shown modeless. Closing it is refused while a
// link operation runs; otherwise it unloads, and the next use loads it again
// with the window's start-up (flashtool::LoadToolWindow).
#include "flashtool/ToolState.h"
#include "platform/Host.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

namespace flashtool::ui {

class MemoryGrid;

class frmMain : public QWidget, public ToolWindowView {
    Q_OBJECT
  public:
    // The window, loaded (hidden) when it does not exist.
    static frmMain& instance();
    static frmMain* existing();
    ~frmMain() override;

    // ToolWindowView
    void GridChanged(int grid, std::uint32_t first, std::uint32_t last) override;
    void GridScrolled(int grid, Cell cell) override;
    void TipChanged() override;
    void WindowChanged() override;
    void AutoWriteRestarted() override;

    // Shows the state in every control.
    void ShowState();
    MemoryGrid* grid(int number) const;

    void cmdReadFlash_Click();
    void cmdWriteFlash_Click();
    void cmdFlashPageAll_Click();
    void cmdZero_Click();
    void cmdReadDat_Click();
    void chkAutoWr_Click();
    void tmrAutoWr_Timer();
    void chkInitInExtRamAddr_Click();
    void cmdWrInRam_Click();
    void cmdRdInRam_Click();
    void cmdWrExtRam_Click();
    void cmdRdExtRam_Click();
    void cboComBps_Click();
    void cmdPort_Click();
    void cmdPartFill_Click();

    // Outside the tabs.
    QTabWidget* sstabCtl;
    QTabWidget* sstabData;
    MemoryGrid* vsfgGridFlash;
    MemoryGrid* vsfgGridInRam;
    MemoryGrid* vsfgGridExtRam;
    QLineEdit* txtAddrNote;
    QCheckBox* chkStopCom;
    QLabel* lblComStatus;
    QLabel* lblFileName;
    QLabel* imgComOk;
    // Control tab 0 "Flash".
    std::array<QCheckBox*, 64> chkFlashPage{};
    QPushButton* cmdReadFlash;
    QPushButton* cmdWriteFlash;
    QPushButton* cmdFlashPageAll;
    QLineEdit* txtWrRightCnt;
    QPushButton* cmdZero;
    QPushButton* cmdReadDat;
    QPushButton* cmdSaveDat;
    QCheckBox* chkAutoWr;
    QLineEdit* txtWrInterval;
    QTimer tmrAutoWr;
    QComboBox* cboFlashPage;
    QPushButton* cmdClrFlashPage;
    std::array<QComboBox*, 3> cboNoteAddr{};
    // Control tabs 1 "In Ram" and 2 "Ext Ram".
    std::array<QCheckBox*, 2> chkInitInExtRamAddr{};
    QComboBox* cboWrInRamFir;
    QComboBox* cboWrInRamLast;
    QComboBox* cboRdInRamFir;
    QComboBox* cboRdInRamLast;
    QPushButton* cmdWrInRam;
    QPushButton* cmdRdInRam;
    QComboBox* cboWrExtRamFir;
    QComboBox* cboWrExtRamLast;
    QComboBox* cboRdExtRamFir;
    QComboBox* cboRdExtRamLast;
    QPushButton* cmdWrExtRam;
    QPushButton* cmdRdExtRam;
    // Control tab 3 "Control".
    QComboBox* cboComBps;
    QPushButton* cmdPort;
    QLabel* lblBpsDat;
    QCheckBox* chkGridFlashColor;
    QCheckBox* chkGridInRamColor;
    QCheckBox* chkGridExtRamColor;
    QPushButton* cmdPartFill;
    QCheckBox* chkSoftShowGrid;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    frmMain();
    // frmMainLayout.cpp: the controls, their captions and their handlers.
    void buildControls();
    QWidget* buildFlashTab();
    QWidget* buildRamTab(bool external);
    QWidget* buildControlTab();
    void connectHandlers();
    void showRamLists();

    std::optional<platform::Host<ToolWindowView>::Scoped> view_;
};

} // namespace flashtool::ui

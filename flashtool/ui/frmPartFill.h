#pragma once
// The part fill: one byte value into an address range of the flash image,
// the internal RAM or the external RAM. Modeless, one at a time, opened from
// the memory tool window; it keeps its texts while open. It shows a
// flashtool::PartFillDialog and its handlers call flashtool/PartFill.h.
#include "flashtool/PartFill.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>

namespace flashtool::ui {

class frmPartFill : public QWidget {
    Q_OBJECT
  public:
    // The dialog, loaded when it does not exist.
    static frmPartFill& instance();
    static frmPartFill* existing();

    void optGridFlashRam_Click(int index);
    void txtStartAddr_Change();
    void txtEndAddr_Change();
    void cmdFillData_Click();
    // Shows the dialog's state in its controls.
    void ShowState();

    std::array<QRadioButton*, 3> optGridFlashRam{}; // Flash, In Ram, Ext Ram
    QLineEdit* txtFillData;
    QComboBox* cboFillData;
    QLineEdit* txtStartAddr;
    QLineEdit* txtEndAddr;
    QPushButton* cmdFillData;
    PartFillDialog state;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    frmPartFill();
    void Form_Load();
};

// cmdPartFill of the tool window: shows the part fill modeless.
void ShowPartFill(QWidget* opener = nullptr);

} // namespace flashtool::ui

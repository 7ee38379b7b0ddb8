#pragma once
// The register and alignment editor window ("参数调节"): squelch tables,
// deviations, receive response and gains, squelch parameters, the
// transceiver's registers 34H, 5AH and 65H, battery values, power output,
// delays and the menu order, in three tabs. Every change writes its field
// into the image through the logic (align/AdjMore.h); three coded buttons
// show and hide five panels. Fixed Simplified Chinese captions. It shows
// AlignState::frmAdjMore; created on first use, hidden until shown; closing
// it discards it and its state.
#include "align/AlignMap.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace platform {
class Grid;
}

namespace align::ui {

class FieldWidgets;

class frmAdjMore : public QWidget {
    Q_OBJECT
  public:
    static frmAdjMore& instance();
    static frmAdjMore* existing();
    ~frmAdjMore() override;

    // Handlers.
    void FieldChanged(Control control, int index, int value); // every list, box and scroll bar of the map
    void cmdReg34H_Def_Click();
    void cmdReg65H_Def_Click();
    void vsfgGridMenu_AfterEdit(int row, int col);
    void cmdMenuAdjust_Click();
    void cmdSqlPara_Click();
    void cmdRespDevSql_Click();

    // Shows the state again: controls and panels.
    void ShowState();

    QComboBox* list(Control control, int index) const;
    QCheckBox* box(Control control, int index) const;

    QTabWidget* sstabAdjMore;
    QGroupBox *fraSqlPara, *fraRxRespDev, *fraReg34H, *fraReg65H, *fraAdjMenu;
    std::array<QGroupBox*, 7> fraBatPara{}; // 0 power output, 3 battery, 4 times, 5 frequency range, 6 other
    QPushButton *cmdSqlPara, *cmdRespDevSql, *cmdMenuAdjust, *cmdReg34H_Def, *cmdReg65H_Def;
    QCheckBox* chkVirtualShow;
    std::array<QLineEdit*, 2> txtRadioRange{};
    QLineEdit* txtOffsetFreRange;
    platform::Grid* vsfgGridMenu;
    FieldWidgets* fields;

  private:
    frmAdjMore();
    void growToPanels();
    // frmAdjMoreLayout.cpp: the three tabs.
    QWidget* buildSquelchTab();
    QWidget* buildOtherTab();
    QWidget* buildMenuTab();
};

} // namespace align::ui

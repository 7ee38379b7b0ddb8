#pragma once
// The port dialog: COM1 to COM16, the ports that failed their probe
// disabled with the reason as a tool tip, and under them why the port in
// use would not open, when it would not. It shows LinkState::frmToolCom;
// each showing probes the ports afresh and takes the port in use as the one
// Cancel goes back to. The reason, selectable, gets the room it needs.
#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace radiolink::ui {

class frmToolCom : public QDialog {
    Q_OBJECT
  public:
    explicit frmToolCom(QWidget* parent = nullptr);
    ~frmToolCom() override;
    static frmToolCom* existing(); // while shown

    void Form_Load();
    void cmdOk_Click();
    void cmdCancel_Click();
    // Shows the option buttons as the link's state holds them.
    void ShowState();

    QGroupBox* fraToolCom;
    QLabel* lblToolCom;
    std::array<QRadioButton*, 16> COM{}; // index = port - 1
    QLabel* lblComWhy;                   // why the port in use would not open
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
    bool chosen = false; // closed by OK

  protected:
    void reject() override;

  private:
    void layOut();
    QButtonGroup group_;
};

// Shows the port dialog modally over owner; true when closed by OK.
bool ShowPortDialog(QWidget* owner);

} // namespace radiolink::ui

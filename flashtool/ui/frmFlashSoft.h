#pragma once
// The firmware window: the model and version lists of the built-in
// firmware, the identity of the version loaded, the boot-program check, the
// write-selected-version box, and the firmware converter's frame. It shows
// the program's FlashSoftWindow (flashtool::flashSoft()) and hears of its
// changes as its view while it exists; its handlers call that logic.
//
// Created on first use, shown modeless; a radio write may have created the
// window's logic hidden before. Closing discards it: the next use starts
// from the design state and loads the remembered model again.
#include "flashtool/FlashSoftWindow.h"
#include "platform/Host.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <optional>

namespace flashtool::ui {

class frmFlashSoft : public QWidget, public FlashSoftView {
    Q_OBJECT
  public:
    static frmFlashSoft& instance();
    static frmFlashSoft* existing();
    ~frmFlashSoft() override;

    // FlashSoftView
    void Changed() override { ShowState(); }
    void ShowState();

    void cboModelSelect_Click(int index);
    void cboSoftVer_Click(int position);
    void chkWrSelectSoftVer_Click();
    void cmdChkLeadSoftVer_Click();
    void cboSoftFileAddr_Click(int index);
    void cmdSoftConvert_Click();

    // Upper frame "软件版本".
    QComboBox* cboModelSelect;
    QComboBox* cboSoftVer;
    QLineEdit* txtSoftSpecial;
    QPushButton* cmdChkLeadSoftVer;
    QCheckBox* chkWrSelectSoftVer;
    // Converter frame "软件转化".
    QComboBox* cboSoftFileAddr;
    QComboBox* cboSaveAddr;
    QLineEdit* txtSoftCode;
    QLineEdit* txtSoftVersion;
    QLineEdit* txtSoftDay;
    QLineEdit* txtSoftSpe;
    QPushButton* cmdSoftConvert;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    frmFlashSoft();
    std::optional<platform::Host<FlashSoftView>::Scoped> view_;
};

} // namespace flashtool::ui

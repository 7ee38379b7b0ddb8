#pragma once
// The controls of the settings pages and the hidden holder as the form's
// control arrays (cboPc(i), chkPc(i), txtPc(i) ...): the pages make each
// control into their frames with the builders below, which wire the user's
// signals to the pages' logic (channels/SettingsPages.h). The logic's state
// is the only store; these widgets mirror it. While the object lives it is
// the logic's SettingsPagesHost (every control the logic changes is shown
// again here, wherever its page put it) and the read/write dialog's
// serial-number list.
#include "channels/SettingsState.h"
#include "model/Model.h"
#include "platform/Host.h"

#include <QObject>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace platform {
class Grid;
}

namespace channels {

inline constexpr int FrameCount = 20; // fraPc 0-19

class SettingsControls : public QObject, public SettingsPagesHost {
    Q_OBJECT
  public:
    SettingsControls(SettingsPages& p, model::ModelState& m);
    ~SettingsControls() override;

    // ---- Builders: each control made into parent, its user's signals wired ----
    // cboPc(index) with its label lblPc(label) (-1: none); the label is
    // made when it does not exist yet.
    QComboBox* combo(int index, QWidget* parent, int label);
    QComboBox* combo(int index, QWidget* parent) { return combo(index, parent, index); }
    QLabel* comboLabel(int label, QWidget* parent);
    QCheckBox* check(int index, QWidget* parent);
    QLineEdit* text(int index, QWidget* parent); // with lblPcTxt(index)
    QGroupBox* frame(int index, QWidget* parent);
    QPushButton* button(int index, QWidget* parent); // cmdPc 2 and 3
    QListWidget* keyList(int key, QWidget* parent);  // with lblKeySk(key)
    QComboBox* voxLevel(int level, QWidget* parent); // with lblVoxCmpLevel(level - 1)
    QLineEdit* autoMem(int memory, QWidget* parent); // with lblAutoMem(memory)
    platform::Grid* twoToneGrid(int member, QWidget* parent);
    platform::Grid* radioGrid(QWidget* parent);
    platform::Grid* phoneBookGrid(QWidget* parent);
    void serialControls(QWidget* parent);   // cmdImportSeq ... txtSeqExample
    void rdWrCodeControls(QWidget* parent); // lblRdWrCode ... txtNewRdWrCode

    // ---- The pages' steps over the controls inside `within` ----
    void InitFace(QWidget* within);    // captions from the text table
    void ShowAll(QWidget* within);     // every control shows the logic's state
    void CommitEdits(QWidget* within); // a side grid's cell still being edited is stored

    // SettingsPagesHost
    void Changed(Ctl control, int index) override;
    void ShowVolumeDialog() override;

    // ---- The control arrays (nullptr: an element another page holds) ----
    std::array<QLabel*, PcComboCount> lblPc{};
    std::array<QComboBox*, PcComboCount> cboPc{};
    std::array<QCheckBox*, PcCheckCount> chkPc{};
    std::array<QLabel*, PcTextCount> lblPcTxt{};
    std::array<QLineEdit*, PcTextCount> txtPc{};
    std::array<QPushButton*, PcButtonCount> cmdPc{}; // 2 and 3; 0, 1 and 4 are the channel page's
    std::array<QGroupBox*, FrameCount> fraPc{};      // 2-19; 0 and 1 are the channel page's
    std::array<QLabel*, KeyCount> lblKeySk{};
    std::array<QListWidget*, KeyCount> listSkKey{};
    std::array<QLabel*, VoxLevelCount> lblVoxCmpLevel{};
    std::array<QComboBox*, VoxLevelCount + 1> cboVoxCmpDat{}; // 1-10
    std::array<QLabel*, AutoMemCount> lblAutoMem{};
    std::array<QLineEdit*, AutoMemCount> txtAutoMem{};
    std::array<platform::Grid*, 2> vsfgGridTwoTone{}; // 1 lies on the hidden holder, unused
    platform::Grid* vsfgGridRadio = nullptr;
    platform::Grid* vsfgGridPhoneBook = nullptr;
    QPushButton* cmdImportSeq = nullptr;
    QComboBox* cboImportSeq = nullptr;
    std::array<QPushButton*, 2> cmdSeqSwitch{};
    QCheckBox* chkAutoNextSn = nullptr;
    QPlainTextEdit* txtSeqExample = nullptr;
    QLabel* lblRdWrCode = nullptr;
    QLineEdit* txtRdWrCode = nullptr;
    std::array<QLabel*, 2> lblRdWrCodeHint{};
    QCheckBox* chkNewRdWrCode = nullptr;
    QLabel* lblNewRdWrCode = nullptr;
    QLineEdit* txtNewRdWrCode = nullptr;

  private:
    void showCombo(int index);
    void showCheck(int index);
    void showText(int index, bool caretFromState);
    void showVox(int level);
    void showKey(int key);
    void showAutoMem(int memory, bool caretFromState);
    platform::Grid* gridOf(Ctl grid) const; // TwoTone, Radio or PhoneBook
    const SideGrid& sideGrid(Ctl grid) const;
    void showGridRow(Ctl grid, int row);
    void showRdWrCode();
    void showSerial();
    // A user's entry was refused (the lock): the control shows the state again.
    void refused(bool taken, Ctl control, int index);

    SettingsPages& p_;
    model::ModelState& m_;
    platform::Host<SettingsPagesHost>::Scoped registered_{*this};
    // The serial-number list a good write moves on, while the window lives.
    SerialNumbers serialNumbers_{p_, m_};
    platform::Host<radiolink::SerialNumberList>::Scoped serialRegistered_{serialNumbers_};
};

} // namespace channels

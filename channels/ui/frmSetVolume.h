#pragma once
// The volume dialog: the ten volume levels of the image in either volume
// mode, the box that makes the radio use them and the mode box. Modal,
// created for each opening (the hidden holder's cmdPc(3)) and discarded when
// closed; every change lands in the image or the settings file at once. The
// logic is channels/VolumeDialog.h; this window mirrors it.
#include "channels/VolumeDialog.h"
#include "model/Model.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace channels {

class frmSetVolume : public QDialog {
    Q_OBJECT
  public:
    frmSetVolume(model::ModelState& m, QWidget* parent = nullptr);
    ~frmSetVolume() override;

    QGroupBox* fraMain;
    std::array<QLabel*, 11> lblVolumeLevel{};  // 1-10
    std::array<QComboBox*, 11> cboVolumeDat{}; // 1-10
    QPushButton* cmdDefault;
    QCheckBox* chkVolumeIic;
    QCheckBox* chkVolMode;
    QPushButton* cmdOk;

    const VolumeDialog& state() const { return d_; }
    // Shows what the logic holds, no handler raised.
    void ShowState();

  private:
    void InitFace();

    model::ModelState& m_;
    VolumeDialog d_;
};

} // namespace channels

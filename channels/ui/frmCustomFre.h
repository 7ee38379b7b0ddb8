#pragma once
// The custom band dialog: the user types band 2 in whole megahertz between
// 120 and 520 MHz. OK stores an acceptable band into the band boxes and
// makes the default file current; input it refuses is answered with a
// message and changes nothing; Cancel changes nothing.
#include "model/ChannelWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace channels {

class frmCustomFre : public QDialog {
    Q_OBJECT
  public:
    explicit frmCustomFre(model::ChannelWindow& chMem, QWidget* parent = nullptr);

    void InitFace();
    void cmdOk_Click();
    void cmdCancel_Click();

    QLabel* lblFreMin;
    QLabel* lblFreMax;
    QLineEdit* txtFreMin;
    QLineEdit* txtFreMax;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

  private:
    model::ChannelWindow& chMem_;
};

} // namespace channels

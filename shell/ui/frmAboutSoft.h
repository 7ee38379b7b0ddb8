#pragma once
// The About box: version, rights and company lines in the interface
// language, with their own texts rather than the text table.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace shell {

class frmAboutSoft : public QDialog {
    Q_OBJECT
  public:
    explicit frmAboutSoft(QWidget* parent = nullptr);

    void InitFace();

    QFrame* fraMain;
    QLabel* picAboutSoft;
    QLabel* lblVersion;
    QLabel* lblRelease;
    QLabel* lblRights;
    QPushButton* cmdOk;

  private:
    void Form_Load();
    void cmdOk_Click();
};

} // namespace shell

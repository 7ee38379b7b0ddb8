#pragma once
// The access-code dialog: one masked box and no buttons. It closes itself
// 2.5 s after it opens, or 1 s after the last change of the box, and what
// the box then holds (upper-cased, InputCode) is the answer. Loaded anew
// for every question.
#include "align/AccessCodes.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QLineEdit;

namespace align::ui {

class frmInputCode : public QDialog {
    Q_OBJECT
  public:
    explicit frmInputCode(QWidget* owner);
    ~frmInputCode() override;
    static frmInputCode* existing(); // while it asks

    void Form_Load();
    void txtInputCode_Change();
    void tmrAutoExit_Timer();

    QLabel* lblInputCode;
    QLineEdit* txtInputCode; // shows "#" for every character
    QTimer tmrAutoExit;

  private:
    void showTimer();
};

// Asks for the code of `button` with the dialog, modal over owner (none: no
// owner), and compares the answer when it has closed: what it opens.
CodeAction AskAccessCode(QWidget* owner, CodeButton button);

} // namespace align::ui

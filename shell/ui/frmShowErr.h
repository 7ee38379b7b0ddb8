#pragma once
// The notice window: one list that nothing fills.
#include <QListWidget>
#include <QWidget>

namespace shell {

class frmShowErr : public QWidget {
    Q_OBJECT
  public:
    explicit frmShowErr(QWidget* parent = nullptr);
    // The one window of the program, created on first use as a window of its
    // own and deleted with owner (the main window).
    static frmShowErr& instance(QObject& owner);

    QListWidget* listShowErr;
};

} // namespace shell

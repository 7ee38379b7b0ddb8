#pragma once
// The main window.
#include <QMainWindow>

namespace app {

class mdifrmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit mdifrmMain(QWidget* parent = nullptr);
};

} // namespace app

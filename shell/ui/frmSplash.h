#pragma once
// The start window: first start after installation, language, fonts and the
// program-wide tables, then a 10 ms timer hands over to the main window.
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace shell {

class frmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;
    static frmSplash* existing();

    // The load; false when this run ends at once (the preparing run).
    bool Form_Load();
    std::optional<std::int16_t> GetSysLang();
    void tmrSoftInit_Timer();

    QLabel* imgSplash;
    QTimer tmrSoftInit;
};

// The program's entry after the platform is installed: loads and shows the
// splash. False when the run ends without a window.
bool StartProgram();

} // namespace shell

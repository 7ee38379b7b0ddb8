#pragma once
// The virtual keypad (title "键盘"): a drawing of a hand-held radio beside
// its three side keys, each with its hold box, and its eighteen main keys.
// Each key sends the radio its key code; the window is disabled while a
// command runs. It shows AlignState::frmVitualKey.
#include <QWidget>

#include <array>

class QCheckBox;
class QPushButton;

namespace align::ui {

class frmVitualKey : public QWidget {
    Q_OBJECT
  public:
    // The window, created on first use (hidden until shown).
    static frmVitualKey& instance();
    static frmVitualKey* existing();
    ~frmVitualKey() override;

    void cmdKeyPf_Click(int index);
    void cmdKeyMa_Click(int index);
    void chkKeyPf_Click(int index);
    // Shows the state again.
    void ShowState();

    QWidget* picRadio;
    std::array<QPushButton*, 3> cmdKeyPf{};
    std::array<QCheckBox*, 3> chkKeyPf{};
    std::array<QPushButton*, 18> cmdKeyMa{};

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    frmVitualKey();
};

} // namespace align::ui

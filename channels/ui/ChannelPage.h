#pragma once
// Page 0 of the channel window, the channel page: the model and band preset
// lists with the buttons of the page (frame fraPc(0)), and the channel grid
// with its tone drop-down (frame fraPc(1)). The grid logic (channels/
// ChGridEdit.h, ToneBox.h) works on it as a ChGridView.
#include "channels/ChMem.h"
#include "channels/ui/ChMemPage.h"
#include "model/ChannelWindow.h"
#include "platform/ui/Grid.h"

#include <QObject>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace channels {

class ChannelPage : public QObject, public ChMemPage, public ChGridView {
    Q_OBJECT
  public:
    // window: the channel window the band presets set their band in.
    ChannelPage(QWidget* frame, model::ChannelWindow& window);
    ~ChannelPage() override;

    // Start-up: the grid laid out from section ChInfo, every channel empty,
    // the designed grid colours kept for the lock, then the model and band
    // preset lists, whose default preset loads the default image.
    void InitChMem();
    void ChInfoInitFace();
    void SetChGrid();
    void ChInfoModel();
    void InitFace() override;
    void Store() override { cboGridChCtdcs_LostFocus(); }
    void SetLocked(bool locked) override;

    // Handlers.
    void cboModel_Click();
    void cboFrequency_Click();
    void vsfgGridCh_BeforeEdit(int row, int col, bool& cancel);
    void vsfgGridCh_AfterEdit(int row, int col);
    void vsfgGridCh_Click();
    void vsfgGridCh_DblClick();
    // Whether the key pressed on the grid went to the tone drop-down.
    bool vsfgGridCh_KeyDown(QKeyEvent* key);
    void cboGridChCtdcs_GotFocus();
    void cboGridChCtdcs_LostFocus();
    // Whether the key pressed in the tone drop-down ended it (Enter, Escape).
    bool cboGridChCtdcs_KeyDown(QKeyEvent* key);
    void cmdPc_Click(int index);

    // What the model shows on this page.
    int FrequencyListIndex() const;
    std::string FrequencyListText() const;
    void SetFrequencyListIndex(int index);
    void ClearCtdcsItems();
    void AddCtdcsItem(const std::string& text, int position);
    void ShowChTblGrid();

    // ChGridView
    std::string ChGridText(int row, int col) override;
    void SetChGridText(int row, int col, const std::string& text) override;
    void SetChGridTextColor(int row, int col, std::int32_t colour) override;
    void SetChGridCurrent(int row, int col) override;
    void SetCtdcsText(const std::string& text) override;
    void HideCtdcs() override;

    // The lock's view of the grid.
    long ChGridBackColor() const { return chGridBackColor_; }
    long ChGridSelColor() const { return chGridSelColor_; }
    void setGridSelectionColor(long colour);

    // Controls.
    QGroupBox* fraPc0;
    QGroupBox* fraPc1;
    QLabel* lblModel;
    QComboBox* cboModel;
    QLabel* lblFrequency;
    QComboBox* cboFrequency;
    std::array<QPushButton*, 5> cmdPc{}; // 0, 1 and 4 on this page
    QCheckBox* chkDelChA;
    QCheckBox* chkDelChB;
    platform::Grid* vsfgGridCh;
    QComboBox* cboGridChCtdcs;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void checkChannelCell(int row, int col) const;
    void setEditMode(EditMode mode);
    void clearHighlights(int firstCol);
    void highlightRow(int row, int firstCol);
    void openToneBox(int row, int col, Qt::FocusReason reason = Qt::MouseFocusReason);
    void reopenToneBox();

    model::ChannelWindow& window_;
    int presetApplied_ = -1; // the list entry whose band the window holds
    long chGridBackColor_ = 0;
    long chGridSelColor_ = 0;
    bool toneBoxReleased_ = false; // a button went up over the drop-down since it opened
    bool hidingToneBox_ = false;
};

} // namespace channels

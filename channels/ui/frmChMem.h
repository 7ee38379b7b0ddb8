#pragma once
// The channel window: the permanent child of the main window. Its first page
// holds the model and band preset lists and the channel grid with its tone
// drop-down; the settings pages follow on the other four pages.
//
// It is the model's channel window (what SoftDisplay and the codec show into
// it) and the main window's view of it; the grid logic works on it as a
// ChGridView.
#include "channels/ChMem.h"
#include "model/ChannelWindow.h"
#include "platform/ui/Grid.h"
#include "shell/ui/ShellWindows.h"

#include <QWidget>

#include <array>
#include <map>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace channels {

class frmChMem : public QWidget,
                 public shell::ChannelWindowSlot,
                 public model::ChannelWindow,
                 public ChGridView {
    Q_OBJECT
  public:
    explicit frmChMem(QWidget* parent = nullptr);
    ~frmChMem() override;

    // Start-up: lays out the grid from section ChInfo, empties all channels
    // and selects the default band preset, which loads the default image.
    void InitChMem() override;
    void ChInfoInitFace();
    void SetChGrid();
    void ChInfoModel();
    void InitFace();

    // Handlers.
    void cboModel_Click();
    void cboFrequency_Click();
    void txtFreBand_Change(int index);
    void vsfgGridCh_BeforeEdit(int row, int col, bool& cancel);
    void vsfgGridCh_AfterEdit(int row, int col);
    void vsfgGridCh_Click();
    void vsfgGridCh_DblClick();
    void cboGridChCtdcs_GotFocus();
    void cboGridChCtdcs_LostFocus() override;
    void cmdPc_Click(int index);

    // Controls.
    QTabWidget* sstabSetMode;
    std::array<QWidget*, 5> fraSysSet{};
    QGroupBox* fraPc0;
    QGroupBox* fraPc1;
    QLabel* lblModel;
    QComboBox* cboModel;
    QLabel* lblFrequency;
    QComboBox* cboFrequency;
    std::array<QPushButton*, 2> cmdPc{};
    QCheckBox* chkDelChA;
    QCheckBox* chkDelChB;
    platform::Grid* vsfgGridCh;
    QComboBox* cboGridChCtdcs;

    // shell::ChannelWindowSlot
    QWidget* window() override { return this; }
    long bandBoxForeColor(int box) const override;
    long ChGridBackColor() const override { return chGridBackColor_; }
    long ChGridSelColor() const override { return chGridSelColor_; }
    void setGridSelectionColor(long colour) override;
    void setSysSetFramesEnabled(bool enabled) override;

    // model::ChannelWindow
    void SetCaption(const std::string& text) override;
    std::string FreBandText(int box) override;
    void SetFreBandText(int box, const std::string& text) override;
    int FrequencyListIndex() override;
    std::string FrequencyListText() override;
    void SetFrequencyListIndex(int index) override;
    void SetChGridText(int row, int col, const std::string& text) override;
    void SetChGridTextColor(int row, int col, std::int32_t colour) override;
    void ClearCtdcsItems() override;
    void AddCtdcsItem(const std::string& text, int position) override;
    void HideCtdcs() override;
    void SetPhoneBookText(int row, int col, const std::string& text) override;
    std::string PcText(int index) override;
    void SetPcText(int index, const std::string& text) override;
    void SetRdWrCodeText(const std::string& text) override;
    void SetNewRdWrCodeText(const std::string& text) override;
    void ShowChTblGrid() override;
    void InitOpt() override;

    // ChGridView
    std::string ChGridText(int row, int col) override;
    void SetChGridCurrent(int row, int col) override;
    void SetCtdcsText(const std::string& text) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void checkChannelCell(int row, int col) const;
    void setEditMode(EditMode mode);
    void clearHighlights(int firstCol);
    void highlightRow(int row, int firstCol);
    void openToneBox(int row, int col);

    std::array<std::string, 4> txtFreBand_{"136.00000", "174.00000", "400.00000", "470.00000"};
    int presetApplied_ = -1; // the list entry whose band the window holds
    long chGridBackColor_ = 0;
    long chGridSelColor_ = 0;
    std::int64_t toneBoxOpenedMs_ = 0;
    bool hidingToneBox_ = false;
    // What the settings pages will show; kept until they exist.
    std::map<int, std::string> txtPc_;
    std::map<std::pair<int, int>, std::string> phoneBook_;
    std::string txtRdWrCode_, txtNewRdWrCode_;
    // The model shows into this window while it exists.
    platform::Host<model::ChannelWindow>::Scoped asModelWindow_{*this};
};

// Registers the channel editor with the main window, once at start-up: the
// main window then makes its channel window here.
void InstallChannelWindow();

} // namespace channels

#pragma once
// The channel window: the permanent child of the main window. A façade over
// its pages: the tab control sstabSetMode holds the channel page (page 0)
// and the four settings pages, and a hidden holder (SSTab1) keeps the
// controls the user never sees. It implements two interfaces, each with its
// own overrides: the model's channel window (what SoftDisplay and the codec
// show into it, registered while it exists) and the main window's view of it
// (shell::ChannelWindowSlot). A call goes on to the page that holds the
// control, or to every page (the pending edit, the lock); the caption and the
// band boxes' colours it answers itself.
#include "channels/ui/ChMemPage.h"
#include "model/ChannelWindow.h"
#include "platform/Host.h"
#include "shell/ui/ShellWindows.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QTabWidget;

namespace channels {

class ChannelPage;
class HiddenHolder;
class SettingsControls;

class frmChMem : public QWidget, public shell::ChannelWindowSlot, public model::ChannelWindow {
    Q_OBJECT
  public:
    explicit frmChMem(QWidget* parent = nullptr);
    ~frmChMem() override;

    QTabWidget* sstabSetMode;
    std::array<QWidget*, 5> fraSysSet{}; // the frames of pages 0-4
    ChannelPage& channelPage() const { return *channelPage_; }
    // The controls of the settings pages and the hidden holder.
    SettingsControls& settings() const { return *settings_; }

    // shell::ChannelWindowSlot
    QWidget* window() override { return this; }
    long bandBoxForeColor(int box) const override;
    void InitChMem() override;
    void cboGridChCtdcs_LostFocus() override;
    long ChGridBackColor() const override;
    long ChGridSelColor() const override;
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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void InitFace();
    // The settings pages' steps of the window's load (frmChMemSettings.cpp):
    // the side grids laid out before the captions, the option lists after.
    void InitSideGrids();
    void SetOptList();
    void guardListsFromWheel();

    std::unique_ptr<SettingsControls> settings_;    // before the pages that fill it
    std::vector<std::unique_ptr<ChMemPage>> pages_; // pages 0-4, then the hidden holder
    ChannelPage* channelPage_ = nullptr;
    HiddenHolder* holder_ = nullptr;
    // The model shows into this window while it exists.
    platform::Host<model::ChannelWindow>::Scoped asModelWindow_{*this};
};

// Registers the channel editor with the main window, once at start-up: the
// main window then makes its channel window here.
void InstallChannelWindow();

} // namespace channels

#pragma once
// What the model needs of the channel window (frmChMem). The window
// implements this interface and installs a provider at start-up; the model
// reaches it through frmChMem(), which creates the window on first use.
//
// Calls are direct and nested, on the user-interface thread. Setting a box's
// text or selecting a list entry raises that control's change or click
// handler at once, inside the call, but only when the text or the selection
// really changes (so a store-and-show chain ends when the text settles).
// Grid and drop-down operations raise no handler.
#include <cstdint>
#include <functional>
#include <string>

namespace model {

class ChannelWindow {
  public:
    virtual ~ChannelWindow() = default;

    // frmChMem.Caption
    virtual void SetCaption(const std::string& text) = 0;

    // txtFreBand(box), box 0 band 1 low, 1 band 1 high, 2 band 2 low, 3 band 2
    // high; each "000.00000" in MHz. Setting raises txtFreBand_Change.
    virtual std::string FreBandText(int box) = 0;
    virtual void SetFreBandText(int box, const std::string& text) = 0;

    // cboFrequency, the band preset list (entries of BandPresets, then the
    // custom entry 14). Selecting raises cboFrequency_Click, which returns at
    // once while FreRangeBusy is -1.
    virtual int FrequencyListIndex() = 0;
    virtual std::string FrequencyListText() = 0; // text of the selected entry
    virtual void SetFrequencyListIndex(int index) = 0;

    // vsfgGridCh: row = channel (1..ChCount), data columns 1..ChColCount.
    // Each call makes the cell current first; a row the grid does not have
    // fails (throws). The colour is a colour number 0x00BBGGRR.
    virtual void SetChGridText(int row, int col, const std::string& text) = 0;
    virtual void SetChGridTextColor(int row, int col, std::int32_t colour) = 0;

    // cboGridChCtdcs, the tone drop-down laid over a tone cell.
    virtual void ClearCtdcsItems() = 0;
    virtual void AddCtdcsItem(const std::string& text, int position) = 0;
    virtual void HideCtdcs() = 0;

    // vsfgGridPhoneBook: row = entry 1-25, column 1 CALL ID, 2 name.
    virtual void SetPhoneBookText(int row, int col, const std::string& text) = 0;

    // txtPc(index), the text boxes of the settings pages. Setting raises
    // txtPc_Change(index), which returns at once while OptLoading is -1.
    virtual std::string PcText(int index) = 0;
    virtual void SetPcText(int index, const std::string& text) = 0;

    // txtRdWrCode and txtNewRdWrCode; setting raises their change handlers,
    // which test no loading guard.
    virtual void SetRdWrCodeText(const std::string& text) = 0;
    virtual void SetNewRdWrCodeText(const std::string& text) = 0;

    // The channel editor's procedures that SoftDisplay runs: decode the image
    // into the channel table and show it in the grid; load the settings pages
    // from the image (may write option defaults back; a failure passes on).
    virtual void ShowChTblGrid() = 0;
    virtual void InitOpt() = 0;
};

// Returns the channel window, creating it on first use.
using ChannelWindowProvider = std::function<ChannelWindow&()>;
void SetChannelWindowProvider(ChannelWindowProvider provider);

// The channel window; throws platform::Failure when none is installed.
ChannelWindow& frmChMem();

} // namespace model

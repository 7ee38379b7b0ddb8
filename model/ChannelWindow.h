#pragma once
// What the model needs of the channel window (frmChMem): the model's host
// interface (platform/Host.h). The channel window (channels/ui) registers
// itself when start-up creates it; tests register doubles. Until one is
// registered every call does nothing and every read gives an empty text
// (list index -1).
//
// Calls are direct and nested, on the user-interface thread. Setting a box's
// text or selecting a list entry raises that control's change or click
// handler at once, inside the call, but only when the text or the selection
// really changes (so a store-and-show chain ends when the text settles).
// Grid and drop-down operations raise no handler.
#include "platform/Host.h"

#include <cstdint>
#include <string>

namespace model {

class ChannelWindow {
  public:
    virtual ~ChannelWindow() = default;

    // frmChMem.Caption
    virtual void SetCaption(const std::string& /*text*/) {}

    // txtFreBand(box), box 0 band 1 low, 1 band 1 high, 2 band 2 low, 3 band 2
    // high; each "000.00000" in MHz. Setting raises txtFreBand_Change.
    virtual std::string FreBandText(int /*box*/) { return {}; }
    virtual void SetFreBandText(int /*box*/, const std::string& /*text*/) {}

    // cboFrequency, the band preset list (entries of BandPresets, then the
    // custom entry 14). Selecting raises cboFrequency_Click, which returns at
    // once while FreRangeBusy is -1.
    virtual int FrequencyListIndex() { return -1; }
    virtual std::string FrequencyListText() { return {}; } // text of the selected entry
    virtual void SetFrequencyListIndex(int /*index*/) {}

    // vsfgGridCh: row = channel (1..ChCount), data columns 1..ChColCount.
    // Each call makes the cell current first; a row the grid does not have
    // fails (throws). The colour is a colour number 0x00BBGGRR.
    virtual void SetChGridText(int /*row*/, int /*col*/, const std::string& /*text*/) {}
    virtual void SetChGridTextColor(int /*row*/, int /*col*/, std::int32_t /*colour*/) {}

    // cboGridChCtdcs, the tone drop-down laid over a tone cell.
    virtual void ClearCtdcsItems() {}
    virtual void AddCtdcsItem(const std::string& /*text*/, int /*position*/) {}
    virtual void HideCtdcs() {}

    // vsfgGridPhoneBook: row = entry 1-25, column 1 CALL ID, 2 name.
    virtual void SetPhoneBookText(int /*row*/, int /*col*/, const std::string& /*text*/) {}

    // txtPc(index), the text boxes of the settings pages. Setting raises
    // txtPc_Change(index), which returns at once while OptLoading is -1.
    virtual std::string PcText(int /*index*/) { return {}; }
    virtual void SetPcText(int /*index*/, const std::string& /*text*/) {}

    // txtRdWrCode and txtNewRdWrCode: the code shown, nothing stored (a
    // load must leave the image as it was).
    virtual void SetRdWrCodeText(const std::string& /*text*/) {}
    virtual void SetNewRdWrCodeText(const std::string& /*text*/) {}

    // The channel editor's procedures that SoftDisplay runs: decode the image
    // into the channel table and show it in the grid; load the settings pages
    // from the image (may write option defaults back; a failure passes on).
    virtual void ShowChTblGrid() {}
    virtual void InitOpt() {}
};

// The channel window: the registered one, or one that does nothing.
inline ChannelWindow& frmChMem() {
    return platform::host<ChannelWindow>();
}

} // namespace model

#pragma once
// The channel window's place until the channel editor registers its own. It
// keeps what the model shows (band boxes, preset, caption) and the designed
// colours, and keeps the channel table equal to the image; it has no grid
// and no settings pages.
#include "shell/ui/ChannelWindowSlot.h"

#include <array>
#include <string>

namespace shell {

class ChannelStandIn : public QWidget, public ChannelWindowSlot {
  public:
    explicit ChannelStandIn(QWidget* parent = nullptr);

    QWidget* window() override { return this; }
    long bandBoxForeColor(int box) const override { return box < 2 ? 0x00FF0000 : 0x000040C0; }
    void InitChMem() override;
    void cboGridChCtdcs_LostFocus() override {}
    long ChGridBackColor() const override { return 0x00FFFFFF; }
    long ChGridSelColor() const override { return 0x00800000; }
    void setGridSelectionColor(long colour) override { selectionColor = colour; }
    void setSysSetFramesEnabled(bool enabled) override { framesEnabled = enabled; }

    void SetCaption(const std::string& text) override;
    std::string FreBandText(int box) override { return bandBoxes.at(box); }
    void SetFreBandText(int box, const std::string& text) override { bandBoxes.at(box) = text; }
    int FrequencyListIndex() override { return presetIndex; }
    std::string FrequencyListText() override { return {}; }
    void SetFrequencyListIndex(int index) override { presetIndex = index; }
    void SetChGridText(int, int, const std::string&) override {}
    void SetChGridTextColor(int, int, std::int32_t) override {}
    void ClearCtdcsItems() override {}
    void AddCtdcsItem(const std::string&, int) override {}
    void HideCtdcs() override {}
    void SetPhoneBookText(int, int, const std::string&) override {}
    std::string PcText(int) override { return {}; }
    void SetPcText(int, const std::string&) override {}
    void SetRdWrCodeText(const std::string&) override {}
    void SetNewRdWrCodeText(const std::string&) override {}
    void ShowChTblGrid() override;
    void InitOpt() override {}

    std::array<std::string, 4> bandBoxes{"136.00000", "174.00000", "400.00000", "470.00000"};
    int presetIndex = -1;
    long selectionColor = 0x00800000;
    bool framesEnabled = true;
};

} // namespace shell

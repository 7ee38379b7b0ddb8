#pragma once
// A channel window for the main window's tests, in place of the channel
// editor: it keeps what the model shows (band boxes, preset, caption) and the
// designed colours, and keeps the channel table equal to the image; it has
// no grid and no settings pages. It is the model's channel window while it
// exists.
#include "model/ChannelWindow.h"
#include "shell/ui/ShellWindows.h"

#include <QWidget>

#include <array>
#include <string>

namespace testsupport {

class ChannelStandIn : public QWidget, public shell::ChannelWindowSlot, public model::ChannelWindow {
  public:
    explicit ChannelStandIn(QWidget* parent = nullptr);

    // shell::ChannelWindowSlot
    QWidget* window() override { return this; }
    long bandBoxForeColor(int box) const override { return box < 2 ? 0x00FF0000 : 0x000040C0; }
    void InitChMem() override;
    void cboGridChCtdcs_LostFocus() override {}
    long ChGridBackColor() const override { return 0x00FFFFFF; }
    long ChGridSelColor() const override { return 0x00800000; }
    void setGridSelectionColor(long colour) override { selectionColor = colour; }
    void setSysSetFramesEnabled(bool enabled) override { framesEnabled = enabled; }

    // model::ChannelWindow
    void SetCaption(const std::string& text) override;
    std::string FreBandText(int box) override { return bandBoxes.at(box); }
    void SetFreBandText(int box, const std::string& text) override { bandBoxes.at(box) = text; }
    int FrequencyListIndex() override { return presetIndex; }
    void SetFrequencyListIndex(int index) override { presetIndex = index; }
    void ShowChTblGrid() override;

    std::array<std::string, 4> bandBoxes{"136.00000", "174.00000", "400.00000", "470.00000"};
    int presetIndex = -1;
    long selectionColor = 0x00800000;
    bool framesEnabled = true;

  private:
    platform::Host<model::ChannelWindow>::Scoped registered_{*this};
};

// The main window's channel window is a stand-in while this lives.
class StandInChannelWindows : public shell::ChannelWindowHost {
  public:
    StandInChannelWindows() : registered_(*this) {}
    shell::ChannelWindowSlot* MakeChannelWindow() override { return new ChannelStandIn; }

  private:
    platform::Host<shell::ChannelWindowHost>::Scoped registered_;
};

} // namespace testsupport

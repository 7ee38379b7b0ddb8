#pragma once
// The channel window as the settings pages' logic sees it, without a
// display: a model::ChannelWindow that hands every box and grid cell to the
// pages' state as the real window does, and a SettingsPagesHost that keeps
// every change it is told of.
#include "channels/SettingsPages.h"
#include "channels/SettingsState.h"
#include "model/ChannelWindow.h"
#include "model/Model.h"
#include "platform/Host.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace settingstest {

using channels::Ctl;

class PagesWindow : public model::ChannelWindow {
  public:
    PagesWindow(channels::SettingsPages& p, model::ModelState& m) : p_(p), m_(m) {}

    std::string bandBox[4] = {"004.60000", "004.70000", "400.00000", "470.00000"};
    int initOpts = 0;

    void SetCaption(const std::string&) override {}
    std::string FreBandText(int box) override { return bandBox[box]; }
    void SetFreBandText(int box, const std::string& t) override { bandBox[box] = t; }
    int FrequencyListIndex() override { return 7; }
    std::string FrequencyListText() override { return "400 - 470 MHz"; }
    void SetFrequencyListIndex(int) override {}
    void SetChGridText(int, int, const std::string&) override {}
    void SetChGridTextColor(int, int, std::int32_t) override {}
    void ClearCtdcsItems() override {}
    void AddCtdcsItem(const std::string&, int) override {}
    void HideCtdcs() override {}
    void SetPhoneBookText(int row, int col, const std::string& t) override {
        channels::SetPhoneBookText(p_.grids, row, col, t);
    }
    std::string PcText(int index) override { return p_.txtPc.at(static_cast<std::size_t>(index)).Text; }
    void SetPcText(int index, const std::string& t) override { channels::SetPcText(p_, m_, index, t); }
    void SetRdWrCodeText(const std::string& t) override { channels::SetRdWrCodeText(p_.rdWr, t); }
    void SetNewRdWrCodeText(const std::string& t) override { channels::SetNewRdWrCodeText(p_.rdWr, t); }
    void ShowChTblGrid() override {}
    void InitOpt() override {
        ++initOpts;
        channels::InitOpt(p_, m_);
    }

  private:
    channels::SettingsPages& p_;
    model::ModelState& m_;
    platform::Host<model::ChannelWindow>::Scoped registered_{*this};
};

// What the pages tell the window: every control shown again, and the volume
// dialog opened.
class PagesView : public channels::SettingsPagesHost {
  public:
    void Changed(Ctl c, int index) override {
        if (onChange) onChange(c, index);
        changes.emplace_back(c, index);
    }
    void ShowVolumeDialog() override { ++volumeDialogs; }

    std::vector<std::pair<Ctl, int>> changes;
    std::function<void(Ctl, int)> onChange;
    int volumeDialogs = 0;

  private:
    platform::Host<channels::SettingsPagesHost>::Scoped registered_{*this};
};

} // namespace settingstest

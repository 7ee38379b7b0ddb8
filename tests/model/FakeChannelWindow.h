#pragma once
// A channel window for the model's tests: it keeps what the model shows and
// logs the calls that matter for their order.
#include "model/Bands.h"
#include "model/ChannelWindow.h"
#include "model/Model.h"

#include "platform/Failure.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace modeltest {

class FakeChannelWindow : public model::ChannelWindow {
  public:
    explicit FakeChannelWindow(model::ModelState& m, int rows = 16) : gridRows(rows), m_(m) {
        for (int k = 0; k < 4; ++k) bandBox[k] = "000.00000";
    }

    struct Cell {
        std::string text;
        std::int32_t colour = -1;
    };

    int gridRows;
    std::string caption;
    std::string bandBox[4];
    int presetIndex = model::DefaultPresetIndex;
    std::vector<std::int16_t> busyAtPresetClick; // FreRangeBusy seen by each cboFrequency_Click
    std::map<std::pair<int, int>, Cell> grid;
    std::vector<std::string> ctdcsItems;
    int ctdcsHidden = 0;
    std::map<std::pair<int, int>, std::string> phoneBook;
    std::map<int, std::string> pc;
    std::string rdWrCode, newRdWrCode;
    std::vector<std::string> calls;
    // Change handlers of the text boxes, run when a text really changes.
    std::function<void(int)> onPcChange;
    std::function<void()> onRdWrCodeChange, onNewRdWrCodeChange;
    std::function<void()> onInitOpt;

    void SetCaption(const std::string& text) override { caption = text; }
    std::string FreBandText(int box) override { return bandBox[box]; }
    void SetFreBandText(int box, const std::string& text) override { bandBox[box] = text; }
    int FrequencyListIndex() override { return presetIndex; }
    std::string FrequencyListText() override {
        return presetIndex < model::CustomPresetIndex ? model::BandPresets[presetIndex].text : "Custom";
    }
    void SetFrequencyListIndex(int index) override {
        if (index == presetIndex) return;
        presetIndex = index;
        busyAtPresetClick.push_back(m_.FreRangeBusy);
    }
    void SetChGridText(int row, int col, const std::string& text) override { cell(row, col).text = text; }
    void SetChGridTextColor(int row, int col, std::int32_t colour) override {
        cell(row, col).colour = colour;
    }
    void ClearCtdcsItems() override { ctdcsItems.clear(); }
    void AddCtdcsItem(const std::string& text, int position) override {
        ctdcsItems.insert(ctdcsItems.begin() + position, text);
    }
    void HideCtdcs() override { ++ctdcsHidden; }
    void SetPhoneBookText(int row, int col, const std::string& text) override {
        phoneBook[{row, col}] = text;
    }
    std::string PcText(int index) override { return pc[index]; }
    void SetPcText(int index, const std::string& text) override {
        if (pc[index] == text) return;
        pc[index] = text;
        if (onPcChange) onPcChange(index);
    }
    void SetRdWrCodeText(const std::string& text) override {
        if (rdWrCode == text) return;
        rdWrCode = text;
        if (onRdWrCodeChange) onRdWrCodeChange();
    }
    void SetNewRdWrCodeText(const std::string& text) override {
        if (newRdWrCode == text) return;
        newRdWrCode = text;
        if (onNewRdWrCodeChange) onNewRdWrCodeChange();
    }
    void ShowChTblGrid() override;
    void InitOpt() override {
        calls.push_back("InitOpt");
        if (onInitOpt) onInitOpt();
    }

  private:
    Cell& cell(int row, int col) {
        if (row < 1 || row > gridRows) throw platform::Failure("Invalid row value");
        return grid[{row, col}];
    }
    model::ModelState& m_;
    platform::Host<model::ChannelWindow>::Scoped registered_{*this};
};

} // namespace modeltest

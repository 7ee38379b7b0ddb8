#pragma once
// The channel editor's logic without a display: a fresh model, shell and
// program folder with the shipped settings file, band 2 at 400-470 MHz and a
// grid kept as a table of cells.
#include "channels/ChMem.h"
#include "model/Bands.h"
#include "model/ChGridLayout.h"
#include "model/ChannelWindow.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "model/NameFields.h"
#include "model/Tones.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "platform/Failure.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace channelstest {

// Colour numbers of the shell's three cell colours in these tests.
inline constexpr std::int32_t EmptyColour = 16777215;
inline constexpr std::int32_t Band1Colour = 16711680;
inline constexpr std::int32_t OtherColour = 16576;

class FakeGrid : public model::ChannelWindow, public channels::ChGridView {
  public:
    struct Cell {
        std::string text;
        std::int32_t colour = -1;
    };
    explicit FakeGrid(model::ModelState& m) : m_(m) {}

    std::map<std::pair<int, int>, Cell> cells;
    std::pair<int, int> current{0, 0};
    std::string ctdcsText;
    std::vector<std::string> ctdcsItems;
    int hidden = 0;
    std::string boxes[4] = {"004.60000", "004.70000", "400.00000", "470.00000"};
    int preset = 7;
    std::string caption;

    Cell& cell(int row, int col) {
        if (row < 1 || row > m_.ChCount || col < 1 || col > m_.ChColCount)
            throw platform::Failure("Invalid row value");
        return cells[{row, col}];
    }
    std::string text(int row, int col) { return cell(row, col).text; }
    std::int32_t colour(int row, int col) { return cell(row, col).colour; }

    // ChGridView and model::ChannelWindow
    std::string ChGridText(int row, int col) override { return cell(row, col).text; }
    void SetChGridText(int row, int col, const std::string& t) override { cell(row, col).text = t; }
    void SetChGridTextColor(int row, int col, std::int32_t c) override { cell(row, col).colour = c; }
    void SetChGridCurrent(int row, int col) override {
        cell(row, col);
        current = {row, col};
    }
    void SetCtdcsText(const std::string& t) override { ctdcsText = t; }
    void HideCtdcs() override { ++hidden; }

    // model::ChannelWindow
    void SetCaption(const std::string& t) override { caption = t; }
    std::string FreBandText(int box) override { return boxes[box]; }
    void SetFreBandText(int box, const std::string& t) override { boxes[box] = t; }
    int FrequencyListIndex() override { return preset; }
    std::string FrequencyListText() override {
        return preset < 14 ? model::BandPresets[preset].text : "Custom";
    }
    void SetFrequencyListIndex(int index) override { preset = index; }
    void ClearCtdcsItems() override { ctdcsItems.clear(); }
    void AddCtdcsItem(const std::string& t, int position) override {
        ctdcsItems.insert(ctdcsItems.begin() + position, t);
    }
    void SetPhoneBookText(int, int, const std::string&) override {}
    std::string PcText(int) override { return {}; }
    void SetPcText(int, const std::string&) override {}
    void SetRdWrCodeText(const std::string&) override {}
    void SetNewRdWrCodeText(const std::string&) override {}
    void ShowChTblGrid() override {}
    void InitOpt() override {}

  private:
    model::ModelState& m_;
    platform::Host<model::ChannelWindow>::Scoped registered_{*this};
};

class ChannelsTest : public ::testing::Test, public testsupport::FreshStart {
  protected:
    ChannelsTest() {
        auto& s = app::shell();
        s.SettingsFile = home.file("tavorin.def");
        s.LangIndex = 3;
        s.EmptyCellColor = std::to_string(EmptyColour);
        s.Band1Color = std::to_string(Band1Colour);
        s.OtherBandColor = std::to_string(OtherColour);
        home.copyShipped("tavorin.def");
        model::ReadChInfo(m);
        m.ChCount = 16; // a short grid is enough
        model::GetValidCharTbl(m);
        model::GenCtdcsList(m);
        m.ValidFreRange = {460000, 469500, 460000, 470000, 40000000, 46999500, 40000000, 47000000};
        m.IicDat.fill(0xFF);
        for (int ch = 1; ch <= model::ChTableLast; ++ch) {
            m.ChInfo[ch][1] = model::NoFre;
            m.ChInfo[ch][2] = model::NoFre;
        }
    }

    std::vector<std::uint8_t> bytes(model::map::Addr at, std::size_t n) const {
        return {m.IicDat.begin() + static_cast<std::ptrdiff_t>(at),
                m.IicDat.begin() + static_cast<std::ptrdiff_t>(at + n)};
    }
    std::vector<std::uint8_t> record(int ch) const { return bytes(model::map::ChRecordAddr(ch), 16); }
    bool wasReported(const std::string& tag) const {
        return std::find(reported.begin(), reported.end(), tag) != reported.end();
    }

    std::unique_ptr<model::ModelState> owned = std::make_unique<model::ModelState>();
    model::ModelState& m = *owned;
    channels::ChMemState s;
    FakeGrid grid{m};
    testsupport::ErrorLog errors;
    std::vector<std::string>& reported = errors.tags;
};

} // namespace channelstest

#pragma once
// The settings pages without a display: a fresh model, shell, program folder
// and page state per test, the option lists filled, and a channel window
// that hands the text boxes to the pages as the real window does.
#include "channels/SettingsLists.h"
#include "channels/SettingsMap.h"
#include "channels/SettingsPages.h"
#include "channels/SettingsState.h"
#include "channels/SideGridsLoad.h"
#include "model/ChannelWindow.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "model/NameFields.h"
#include "model/Volume.h"

#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Shell.h"
#include "charcode/HanZi.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace settingstest {

using channels::Ctl;
using model::map::Addr;

class PagesWindow : public model::ChannelWindow {
  public:
    PagesWindow(channels::SettingsPages& p, model::ModelState& m) : p_(p), m_(m) {}

    std::string bandBox[4] = {"004.60000", "004.70000", "400.00000", "470.00000"};
    std::map<std::pair<int, int>, std::string> phoneBook;
    std::string rdWrCode;
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
    void SetPhoneBookText(int row, int col, const std::string& t) override { phoneBook[{row, col}] = t; }
    std::string PcText(int index) override { return p_.txtPc.at(static_cast<std::size_t>(index)).Text; }
    void SetPcText(int index, const std::string& t) override { channels::SetPcText(p_, m_, index, t); }
    void SetRdWrCodeText(const std::string& t) override { rdWrCode = t; }
    void SetNewRdWrCodeText(const std::string&) override {}
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

class SettingsTest : public ::testing::Test {
  protected:
    SettingsTest() {
        ::setenv("TAVORIN_QUIET", "1", 1);
        app::ResetShell();
        app::shell().SettingsFile = home.file("tavorin.def");
        app::shell().LangIndex = 3;
        app::InitFaceText();
        app::shell().EmptyCellColor = "16777215";
        home.copyShipped("tavorin.def");
        static const bool hanZi = [] {
            charcode::InitHanZiTbl(charcode::HanZiTbl());
            return true;
        }();
        (void)hanZi;
        model::InitVolumeTbl(m);
        model::GetValidCharTbl(m);
        channels::SetOptList(p, m);
        changes.clear();
    }
    ~SettingsTest() override { channels::SetSideGridsLoad(nullptr); }

    void load(std::uint8_t fill) {
        m.IicDat.fill(fill);
        channels::InitOpt(p, m);
    }
    void put(Addr at, std::initializer_list<std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), m.IicDat.begin() + static_cast<std::ptrdiff_t>(at));
    }
    std::vector<std::uint8_t> bytes(Addr at, std::size_t n) const {
        return {m.IicDat.begin() + static_cast<std::ptrdiff_t>(at),
                m.IicDat.begin() + static_cast<std::ptrdiff_t>(at + n)};
    }
    int changesOf(Ctl c, int index) const {
        int n = 0;
        for (const auto& [cc, i] : changes) n += cc == c && i == index;
        return n;
    }
    void lock() { app::shell().FaceLockState = "ShowLock"; }

    testsupport::TempHome home;
    std::unique_ptr<model::ModelState> owned = std::make_unique<model::ModelState>();
    model::ModelState& m = *owned;
    std::unique_ptr<channels::SettingsPages> ownedPages = std::make_unique<channels::SettingsPages>();
    channels::SettingsPages& p = *ownedPages;
    PagesWindow window{p, m};
    PagesView view;
    std::vector<std::pair<Ctl, int>>& changes = view.changes;
    testsupport::ErrorLog errors;
};

} // namespace settingstest

#pragma once
// The settings pages without a display: a fresh model, shell, program folder
// and page state per test, the option lists filled, and a channel window
// that hands the boxes to the pages as the real window does.
#include "tests/channels/PagesDoubles.h"

#include "channels/SettingsLists.h"
#include "channels/SettingsMap.h"
#include "channels/SettingsPages.h"
#include "channels/SettingsState.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "model/NameFields.h"
#include "model/Volume.h"

#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Shell.h"
#include "charcode/HanZi.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"

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

class SettingsTest : public ::testing::Test, public testsupport::FreshStart {
  protected:
    SettingsTest() {
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

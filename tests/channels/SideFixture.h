#pragma once
// The side grids, the read/write code and the serial-number list without a
// display: a fresh model with an erased image, the name alphabet and the
// radio character table, a program folder for list files, the pages' state
// with a channel window that hands it the boxes and cells, and the tags of
// every failure reported.
#include "tests/channels/PagesDoubles.h"

#include "channels/SideGrids.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "model/NameFields.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "charcode/HanZi.h"
#include "platform/Failure.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace sidetest {

using Bytes = std::vector<std::uint8_t>;

// A case of a load: the bytes stored and the text they show.
struct StoredShown {
    const char* what;
    Bytes stored;
    const char* shown;
};

class SideTest : public ::testing::Test, public testsupport::FreshStart {
  protected:
    SideTest() {
        charcode::InitHanZiTbl(charcode::HanZiTbl());
        model::GetValidCharTbl(m);
        m.IicDat.fill(0xFF);
        m.NewRdWrCode.fill(0xFF);
        channels::InitSideGrids(p, 3);
    }

    void put(model::map::Addr at, const Bytes& b) {
        std::copy(b.begin(), b.end(), m.IicDat.begin() + static_cast<std::ptrdiff_t>(at));
    }
    Bytes bytes(model::map::Addr at, std::size_t n) const {
        return {m.IicDat.begin() + static_cast<std::ptrdiff_t>(at),
                m.IicDat.begin() + static_cast<std::ptrdiff_t>(at + n)};
    }
    // The cells of data row r, columns 1 onwards.
    static std::vector<std::string> row(const channels::SideGrid& g, int r) {
        std::vector<std::string> cells;
        for (int c = 1; c < g.Cols; ++c) cells.push_back(g.Text(r, c));
        return cells;
    }
    // The image with the bytes of [at, at + n) taken from another image: what
    // an edit of that area alone may leave.
    static model::Image withArea(model::Image image, const model::Image& from, model::map::Addr at,
                                 std::size_t n) {
        std::copy_n(from.begin() + static_cast<std::ptrdiff_t>(at), n,
                    image.begin() + static_cast<std::ptrdiff_t>(at));
        return image;
    }

    std::unique_ptr<model::ModelState> owned = std::make_unique<model::ModelState>();
    model::ModelState& m = *owned;
    std::unique_ptr<channels::SettingsPages> ownedPages = std::make_unique<channels::SettingsPages>();
    channels::SettingsPages& p = *ownedPages;
    channels::SideGridsState& s = p.grids;
    settingstest::PagesWindow window{p, m};
    settingstest::PagesView view;
    testsupport::ErrorLog reported;
};

} // namespace sidetest

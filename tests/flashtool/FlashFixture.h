#pragma once
// A fresh tool window state over its own image and link, in a fresh program
// folder that is also the user's home (so the production folder lies in it),
// with a view that records what the window was told to show again and a
// count of the alignment display's runs.
#include "app/ImageViews.h"
#include "app/Shell.h"
#include "flashtool/ToolState.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "model/Model.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace flashtest {

struct RecordingView : flashtool::ToolWindowView {
    struct Change {
        int grid;
        std::uint32_t first, last;
    };
    void GridChanged(int grid, std::uint32_t first, std::uint32_t last) override {
        changes.push_back({grid, first, last});
    }
    void GridScrolled(int grid, flashtool::Cell cell) override { scrolled.push_back({grid, cell}); }
    void WindowChanged() override { ++windowChanges; }
    std::vector<Change> changes;
    std::vector<std::pair<int, flashtool::Cell>> scrolled;
    int windowChanges = 0;

  private:
    platform::Host<flashtool::ToolWindowView>::Scoped registered_{*this};
};

// Counts the alignment display's runs.
struct CountingAlignmentDisplay : app::AlignmentDisplayHost {
    void AdjParaShow() override { ++shows; }
    int shows = 0;

  private:
    platform::Host<app::AlignmentDisplayHost>::Scoped registered_{*this};
};

class FlashFixture : public ::testing::Test {
  protected:
    FlashFixture() {
        if (const char* h = std::getenv("HOME")) previousHome = h;
        ::setenv("HOME", home.path().c_str(), 1);
        ::setenv("TAVORIN_QUIET", "1", 1);
        app::ResetShell();
        app::shell().SettingsFile = home.file("tavorin.def");
        image = std::make_unique<model::Image>();
        link = std::make_unique<radiolink::LinkState>();
        tool = std::make_unique<flashtool::ToolState>(*image, *link);
        radiolink::InitFlashSoftModel(fw);
    }
    ~FlashFixture() override { ::setenv("HOME", previousHome.c_str(), 1); }

    // Every byte different from its neighbours, none 0xA5.
    void scribble() {
        for (std::size_t a = 0; a < image->size(); ++a) {
            (*image)[a] = static_cast<std::uint8_t>(a * 37 + (a >> 8) + 1);
            if ((*image)[a] == 0xA5) (*image)[a] = 0x5A;
        }
    }

    testsupport::TempHome home;
    testsupport::ScriptedDialogs dialogs;
    std::string previousHome;
    std::unique_ptr<model::Image> image;
    std::unique_ptr<radiolink::LinkState> link;
    std::unique_ptr<flashtool::ToolState> tool;
    radiolink::FirmwareState fw;
    RecordingView host;
    CountingAlignmentDisplay alignment;
};

} // namespace flashtest

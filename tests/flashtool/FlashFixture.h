#pragma once
// A fresh tool window state over its own image and link, on a fresh start
// (its program folder is also the user's home, so the production folder lies
// in it), with a view that records what the window was told to show again
// and a count of the alignment display's runs.
#include "app/Shell.h"
#include "flashtool/ToolState.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "model/Model.h"
#include "tests/flashtool/Doubles.h"
#include "tests/support/FreshStart.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace flashtest {

class FlashFixture : public ::testing::Test, public testsupport::FreshStart {
  protected:
    FlashFixture() {
        app::shell().SettingsFile = home.file("tavorin.def");
        image = std::make_unique<model::Image>();
        link = std::make_unique<radiolink::LinkState>();
        tool = std::make_unique<flashtool::ToolState>(*image, *link);
        radiolink::InitFlashSoftModel(fw);
    }

    // Every byte different from its neighbours, none 0xA5.
    void scribble() {
        for (std::size_t a = 0; a < image->size(); ++a) {
            (*image)[a] = static_cast<std::uint8_t>(a * 37 + (a >> 8) + 1);
            if ((*image)[a] == 0xA5) (*image)[a] = 0x5A;
        }
    }

    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<model::Image> image;
    std::unique_ptr<radiolink::LinkState> link;
    std::unique_ptr<flashtool::ToolState> tool;
    radiolink::FirmwareState fw;
    RecordingView host;
    CountingAlignmentDisplay alignment;
};

} // namespace flashtest

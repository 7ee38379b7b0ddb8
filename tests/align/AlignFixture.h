#pragma once
// A fresh alignment state, link and program folder per test, an image of
// known random bytes, and a host that records what the logic told the
// windows.
#include "align/AlignState.h"
#include "app/ImageViews.h"
#include "app/Shell.h"
#include "link/LinkState.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "platform/Host.h"
#include "tests/support/FreshStart.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace aligntest {

using Bytes = std::vector<std::uint8_t>;
using model::map::Addr;

// The factory windows and the flash grid as the logic calls them; registered
// while it lives.
class RecordingHost : public align::AlignWindowsHost, public app::FlashGridHost {
  public:
    void AdjModeChanged() override {
        calls.push_back("AdjModeChanged");
        if (onAdjModeChanged) onAdjModeChanged();
    }
    void AdjMoreChanged() override { calls.push_back("AdjMoreChanged"); }
    void VitualKeyChanged() override {
        calls.push_back("VitualKeyChanged");
        if (onVitualKeyChanged) onVitualKeyChanged();
    }
    void RefreshFlashRange(int first, int last) override {
        calls.push_back("RefreshFlashRange " + std::to_string(first) + "-" + std::to_string(last));
    }
    std::vector<std::string> calls;
    std::function<void()> onAdjModeChanged;
    std::function<void()> onVitualKeyChanged;

  private:
    platform::Host<align::AlignWindowsHost>::Scoped windows_{*this};
    platform::Host<app::FlashGridHost>::Scoped grid_{*this};
};

class AlignTest : public ::testing::Test, public testsupport::FreshStart {
  protected:
    AlignTest() {
        app::shell().SettingsFile = home.file("tavorin.def");
        std::mt19937 random(20240518);
        for (auto& b : image) b = static_cast<std::uint8_t>(random());
    }

    void put(Addr at, std::initializer_list<std::uint8_t> bytes) {
        for (std::uint8_t b : bytes) image[at++] = b;
    }
    void fill(Addr first, Addr last, std::uint8_t value) {
        for (Addr at = first; at <= last; ++at) image[at] = value;
    }
    Bytes bytes(Addr at, std::size_t n) const { return Bytes(image.begin() + at, image.begin() + at + n); }

    std::unique_ptr<align::AlignState> aPtr = std::make_unique<align::AlignState>();
    align::AlignState& a = *aPtr;
    std::unique_ptr<radiolink::LinkState> linkPtr = std::make_unique<radiolink::LinkState>();
    radiolink::LinkState& link = *linkPtr;
    std::unique_ptr<model::Image> imagePtr = std::make_unique<model::Image>();
    model::Image& image = *imagePtr;
    RecordingHost host;
};

} // namespace aligntest

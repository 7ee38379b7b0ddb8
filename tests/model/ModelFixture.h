#pragma once
// A fresh start per test, a model of its own with a fake channel window, and
// the tags of every failure the model reported.
#include "tests/model/FakeChannelWindow.h"

#include "model/ImageMap.h"
#include "model/Model.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace modeltest {

class ModelTest : public ::testing::Test, public testsupport::FreshStart {
  protected:
    ModelTest() {
        app::shell().SettingsFile = home.file("tavorin.def");
        app::shell().EmptyCellColor = "16777215";
    }

    void put(model::map::Addr at, std::initializer_list<std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), m.IicDat.begin() + static_cast<std::ptrdiff_t>(at));
    }
    std::vector<std::uint8_t> bytes(model::map::Addr at, std::size_t n) const {
        return {m.IicDat.begin() + static_cast<std::ptrdiff_t>(at),
                m.IicDat.begin() + static_cast<std::ptrdiff_t>(at + n)};
    }
    bool wasReported(const std::string& tag) const {
        return std::find(reported.begin(), reported.end(), tag) != reported.end();
    }
    // Band 2 as the valid ranges see it (band 1 the placeholder).
    void setBand2(std::int32_t low, std::int32_t high) {
        m.ValidFreRange = {460000, 470000 - 500, 460000, 470000, low, high - 500, low, high};
    }

    std::unique_ptr<model::ModelState> owned = std::make_unique<model::ModelState>();
    model::ModelState& m = *owned;
    FakeChannelWindow window{m};
    testsupport::ErrorLog errors;
    std::vector<std::string>& reported = errors.tags;
};

} // namespace modeltest

#pragma once
// Doubles for the flash tools' upward calls: a tool window view that records
// what it was told to show again, a count of the alignment display's runs,
// and a desktop that records the documents it was asked to open. Each is
// registered while it lives.
#include "app/ImageViews.h"
#include "flashtool/ToolState.h"
#include "platform/Desktop.h"

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
    void TipChanged() override { ++tipChanges; }
    void WindowChanged() override { ++windowChanges; }
    std::vector<Change> changes;
    std::vector<std::pair<int, flashtool::Cell>> scrolled;
    int tipChanges = 0;
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

// Records the documents it opens.
struct OpenedDocuments : platform::Desktop {
    bool OpenDocument(const std::string& path) override {
        opened.push_back(path);
        return true;
    }
    std::vector<std::string> opened;

  private:
    platform::Host<platform::Desktop>::Scoped registered_{*this};
};

} // namespace flashtest

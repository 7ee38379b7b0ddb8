#pragma once
// The windows above the link as a test sees them: every host the link calls,
// each call a slot a test may fill. Registered while it lives.
#include "app/ImageViews.h"
#include "link/LinkHosts.h"

#include <functional>

namespace linktest {

struct LinkHooks : radiolink::LinkDialogsHost,
                   radiolink::ToolWindowHost,
                   radiolink::PortPanelHost,
                   app::FlashGridHost {
    std::function<void()> toolWindowChanged, communChanged, portDialogChanged;
    std::function<bool()> choosePort;
    std::function<void(int port)> comPortShown;
    std::function<void(int mode, int grid, int start, int count)> markGridCells;
    std::function<void(int first, int last)> refreshFlashRange, showInRamGrid, showExtRamGrid;
    std::function<void(int row, int col)> showFlashCell;
    std::function<void()> autoWriteRestarted;

    void CommunChanged() override { call(communChanged); }
    void PortDialogChanged() override { call(portDialogChanged); }
    bool ChoosePort() override { return choosePort ? choosePort() : false; }
    void ToolWindowChanged() override { call(toolWindowChanged); }
    void MarkGridCells(int mode, int grid, int start, int count) override {
        call(markGridCells, mode, grid, start, count);
    }
    void ShowFlashCell(int row, int col) override { call(showFlashCell, row, col); }
    void ShowInRamGrid(int first, int last) override { call(showInRamGrid, first, last); }
    void ShowExtRamGrid(int first, int last) override { call(showExtRamGrid, first, last); }
    void AutoWriteRestarted() override { call(autoWriteRestarted); }
    void ComPortShown(int port) override { call(comPortShown, port); }
    void RefreshFlashRange(int first, int last) override { call(refreshFlashRange, first, last); }

  private:
    template <class F, class... A> static void call(const F& f, A... a) {
        if (f) f(a...);
    }
    platform::Host<radiolink::LinkDialogsHost>::Scoped dialogs_{*this};
    platform::Host<radiolink::ToolWindowHost>::Scoped tool_{*this};
    platform::Host<radiolink::PortPanelHost>::Scoped panel_{*this};
    platform::Host<app::FlashGridHost>::Scoped grid_{*this};
};

} // namespace linktest

#pragma once
// Every transfer broken at every exchange, run as the user starts it: the
// read/write dialog, the alignment window's buttons and power adjust, the
// tool window's page and RAM buttons, the keypad. The simulated radio falls
// silent from request N on, answers garbage from request N on, hangs up at
// request N (the cable pulled), for every N of a good run, and answers with
// a wrong sum each page where the transfer changes course. After each broken transfer the link has failed,
// closed the port and let go of its lock, the image and the windows' state
// are as the transfer must leave them, and the same transfer then succeeds.
//
// The program's own logic stands above the link: the firmware window
// (flashtool::FlashSoftWindow with the built-in image, registered as the
// write's firmware window), the tool window's state with its hosts, the
// channel window's serial-number list, the alignment state.
#include "align/AlignState.h"
#include "channels/SerialList.h"
#include "channels/SettingsState.h"
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/MemoryGrids.h"
#include "flashtool/ToolState.h"
#include "link/FirmwareTable.h"
#include "model/ChannelWindow.h"
#include "model/Model.h"
#include "tests/link/TransferFixture.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sweep {

using linktest::Bytes;

// How a transfer is broken: the radio falls silent, answers garbage or hangs
// up from a request on, or answers a page with a wrong sum.
enum class Break { Silence, Garbage, HangUp, WrongSum };

// Which requests of a broken run went wrong: index in the radio's log, page.
using Hit = std::function<bool(std::size_t index, int page)>;

struct Transfer {
    std::function<void()> run;
    // The state after a broken run, given the requests that went wrong.
    std::function<void(const Hit&)> checkBroken;
    // What a good run left.
    std::function<void()> checkGood;
};

// The page a flash request asks for, or -1.
int pageOf(const radiosim::Request& r);

// The channel window as the reads show the image in it: its band boxes, and
// how often the grid and the settings pages were shown.
struct ShownImages : model::ChannelWindow {
    std::string FreBandText(int box) override { return bandBox[box]; }
    void SetFreBandText(int box, const std::string& t) override { bandBox[box] = t; }
    void ShowChTblGrid() override { ++grids; }
    void InitOpt() override { ++pages; }
    std::string bandBox[4];
    int grids = 0, pages = 0;
};

class SweepFixture : public linktest::TransferFixture {
  protected:
    SweepFixture();

    // Runs the transfer broken in one way at every request of a good run (at
    // the first and last page of each run of pages for wrong sums); returns how
    // many broken runs.
    int sweep(const Transfer& t, Break way);

    Bytes imagePage(int p) const;
    Bytes radioPage(int p) const;
    Bytes line1() const; // message line 1 of the image
    void expectLinkFree(const char* when);
    // Pages of the set as a read must leave them: those whose page came in
    // from a request that went right are the radio's (when `keep`), the
    // others as before.
    void expectPagesRead(const std::vector<int>& set, const model::Image& before, const Hit& hit, bool keep);
    // The built-in program loaded into the image's program area.
    bool programLoaded() const;

    // The transfers, as the user starts them (SweepTransfers.cpp).
    Transfer dialogRead();
    Transfer alignmentRead();
    Transfer dialogWrite(bool update);
    Transfer alignmentWrite(bool update);
    Transfer toolPages(bool read);
    Transfer ramButton(bool read, bool internal);
    Transfer keypadKey(bool side);
    Transfer powerAdjust();

    std::unique_ptr<model::ModelState> modelState = std::make_unique<model::ModelState>();
    model::ModelState& m = *modelState;
    model::Image firmware{}; // the built-in program as a load leaves it
    radiolink::FirmwareState fw;
    std::unique_ptr<flashtool::ToolState> tool = std::make_unique<flashtool::ToolState>(m.IicDat, s);
    flashtool::ToolHosts toolHosts{*tool};
    platform::Host<radiolink::ToolWindowHost>::Scoped toolWindowHost{toolHosts};
    platform::Host<app::FlashGridHost>::Scoped flashGridHost{toolHosts};
    flashtool::FlashSoftWindow window{fw, *tool};
    platform::Host<radiolink::FirmwareWindow>::Scoped firmwareWindow{window};
    std::unique_ptr<channels::SettingsPages> pages = std::make_unique<channels::SettingsPages>();
    channels::SerialNumbers serialNumbers{*pages, m};
    platform::Host<radiolink::SerialNumberList>::Scoped serialList{serialNumbers};
    ShownImages shown;
    platform::Host<model::ChannelWindow>::Scoped channelWindow{shown};
    std::unique_ptr<align::AlignState> alignState = std::make_unique<align::AlignState>();
    align::AlignState& a = *alignState;
};

} // namespace sweep

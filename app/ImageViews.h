#pragma once
// Views of the memory image kept by the tools above the shell services, told
// when the image changed under them. Host interfaces (platform/Host.h): until
// the tools register at start-up, the calls do nothing.
namespace app {

// The flash grid of the memory tool window shows the image; after the image
// changed in [first, last] (a data-file read, a flash page read from the
// radio, a battery value of the register window, the pages a failed radio
// read or a radio write puts back) it shows that range again. Answered by the
// flash tools' state (flashtool::ToolHosts), whether or not the window is
// open.
class FlashGridHost {
  public:
    virtual ~FlashGridHost() = default;
    virtual void RefreshFlashRange(int /*first*/, int /*last*/) {}
};

// The alignment display (AdjParaShow): after the image changed under them (a
// data-file read; the flash tools' cell edit, part fill and a HEX load shown
// in the grid) the alignment and register windows' states take the alignment
// pages again (in test mode only). Answered by align::AlignmentDisplay.
class AlignmentDisplayHost {
  public:
    virtual ~AlignmentDisplayHost() = default;
    virtual void AdjParaShow() {}
};

} // namespace app

#pragma once
// Views of the memory image that live in windows above the shell services.
// Host interfaces (platform/Host.h): until the tools above register, the
// calls do nothing.
namespace app {

// The flash grid of the memory tool window shows the image; after the image
// changed in [first, last] (a data-file read, a flash page read from the
// radio) it shows that range again. Implemented by the flash tools
// (flashtool::ToolHosts), registered at start-up for the whole run.
class FlashGridHost {
  public:
    virtual ~FlashGridHost() = default;
    virtual void RefreshFlashRange(int /*first*/, int /*last*/) {}
};

// The alignment display (AdjParaShow): after the image changed under them (a
// data-file read; the flash tools' cell edit, HEX load and part fill) the
// alignment windows show the alignment pages again (in test mode only). Implemented by
// the alignment tools (align/ui), registered at start-up.
class AlignmentDisplayHost {
  public:
    virtual ~AlignmentDisplayHost() = default;
    virtual void AdjParaShow() {}
};

} // namespace app

#pragma once
// Views of the memory image that live in windows above the shell services.
// Host interfaces (platform/Host.h): until a window registers, the calls do
// nothing.
namespace app {

// The flash grid of the memory tool window shows the image; after the image
// changed in [first, last] (a data-file read, a flash page read from the
// radio) it shows that range again. Implemented by the memory tool window
// (flashtool/ui), which registers itself while it exists.
class FlashGridHost {
  public:
    virtual ~FlashGridHost() = default;
    virtual void RefreshFlashRange(int /*first*/, int /*last*/) {}
};

// The alignment display (AdjParaShow): after a data-file read the alignment
// windows show the alignment pages again (in test mode only). Implemented by
// the alignment tools (align/ui), registered at start-up.
class AlignmentDisplayHost {
  public:
    virtual ~AlignmentDisplayHost() = default;
    virtual void AdjParaShow() {}
};

} // namespace app

#pragma once
#include "platform/Host.h"

namespace channels {

// What the channel page's hidden fifth button (cmdPc(4)) opens: the
// access-code dialog and, given the alignment access code, the alignment
// window. A host interface (platform/Host.h) that the alignment tools
// (align/ui) register at start-up; until then the button does nothing. It
// lies here, below the windows, so that the alignment windows answer it
// without linking the channel window.
class AlignmentAccessHost {
  public:
    virtual ~AlignmentAccessHost() = default;
    virtual void OpenAlignmentWindow() {}
};

} // namespace channels

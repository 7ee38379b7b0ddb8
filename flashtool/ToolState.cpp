#include "flashtool/ToolState.h"

#include "link/LinkState.h"

namespace flashtool {

GridState* ToolState::grid(int number) {
    switch (number) {
    case radiolink::GridFlash:
        return &flash;
    case radiolink::GridInRam:
        return &inRam;
    case radiolink::GridExtRam:
        return &extRam;
    default:
        return nullptr;
    }
}

const GridState* ToolState::grid(int number) const {
    return const_cast<ToolState*>(this)->grid(number);
}

std::uint8_t* ToolState::bytes(int number) {
    switch (number) {
    case radiolink::GridFlash:
        return image.data();
    case radiolink::GridInRam:
        return link.InRamDat.data();
    case radiolink::GridExtRam:
        return link.ExtRamDat.data();
    default:
        return nullptr;
    }
}

const std::uint8_t* ToolState::bytes(int number) const {
    return const_cast<ToolState*>(this)->bytes(number);
}

ToolState& tool() {
    static ToolState t(model::IicDat(), radiolink::linkState());
    return t;
}

} // namespace flashtool

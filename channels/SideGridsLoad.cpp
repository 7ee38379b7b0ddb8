#include "channels/SideGridsLoad.h"

namespace channels {
namespace {

SideGridsLoad*& registered() {
    static SideGridsLoad* load = nullptr;
    return load;
}

} // namespace

void SetSideGridsLoad(SideGridsLoad* load) {
    registered() = load;
}

SideGridsLoad& sideGridsLoad() {
    static SideGridsLoad none;
    return registered() ? *registered() : none;
}

} // namespace channels

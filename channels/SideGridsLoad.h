#pragma once
// The load steps of the side grids (phone book, two-tone list, FM stations)
// and of the read/write code box, which InitOpt runs in its order while
// OptLoading is -1. Their owner implements this interface and registers it
// once at start-up; until then the steps do nothing.
#include "model/Model.h"

namespace channels {

class SideGridsLoad {
  public:
    virtual ~SideGridsLoad() = default;
    // CALL IDs and names of phone-book entries 1-25.
    virtual void ShowPhoneBook(model::ModelState&) {}
    // The 32 two-tone records (may repair stored times).
    virtual void ShowTwoTone(model::ModelState&) {}
    // The 25 FM stations.
    virtual void RadioChShow(model::ModelState&) {}
    // The read/write code box, InitOpt's last step.
    virtual void ShowRdWrCode(model::ModelState&) {}
};

// Registers the steps; nullptr goes back to the empty ones. The object must
// outlive its registration.
void SetSideGridsLoad(SideGridsLoad* load);
SideGridsLoad& sideGridsLoad();

} // namespace channels

// The model reaching up into the link, which it does not link: the build
// refuses it.
#include "link/LinkState.h"
#include "model/Model.h"

int unlinkedHeader() {
    return 0;
}

#include "link/LinkState.h"

namespace radiolink {

LinkState& linkState() {
    static LinkState s;
    return s;
}

void ToolWindowChanged(LinkState& s) {
    if (s.hooks.toolWindowChanged) s.hooks.toolWindowChanged();
}

void CommunChanged(LinkState& s) {
    if (s.hooks.communChanged) s.hooks.communChanged();
}

void PortDialogChanged(LinkState& s) {
    if (s.hooks.portDialogChanged) s.hooks.portDialogChanged();
}

} // namespace radiolink

#include "link/LinkState.h"

#include "link/LinkHosts.h"

namespace radiolink {

LinkState& linkState() {
    static LinkState s;
    return s;
}

void ToolWindowChanged(LinkState&) {
    platform::host<ToolWindowHost>().ToolWindowChanged();
}

void CommunChanged(LinkState&) {
    platform::host<LinkDialogsHost>().CommunChanged();
}

void PortDialogChanged(LinkState&) {
    platform::host<LinkDialogsHost>().PortDialogChanged();
}

} // namespace radiolink

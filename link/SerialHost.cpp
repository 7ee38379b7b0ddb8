#include "link/SerialHost.h"

#include "app/FaceText.h"
#include "link/PortChoice.h"

namespace radiolink {

void EnsureSerialHost(LinkState& s, FirmwareState& fw) {
    if (s.SerialHostLoaded) return;
    s.SerialHostLoaded = true;
    app::InitFaceText(app::shell());
    InitSerialHost(s);
    InitFlashSoftModel(fw);
}

} // namespace radiolink

#include "tests/support/FreshStart.h"

#include "align/AlignState.h"
#include "app/Shell.h"
#include "channels/ChMem.h"
#include "flashtool/FlashSoftWindow.h"
#include "flashtool/ToolState.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "model/Model.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "tests/support/Environment.h"

#include <cstdlib>
#include <memory>

namespace testsupport {
namespace {

// A program-wide object that cannot be assigned (it holds a port, or the
// states it works over) made anew where it stands; whatever refers to it
// refers to the new one.
template <class T, class... States> void makeAnew(T& object, States&... states) {
    std::destroy_at(&object);
    std::construct_at(&object, states...);
}

} // namespace

void FreshProgramState() {
    platform::forgetHosts();
    platform::setClock(nullptr);
    platform::setEventPump(nullptr);

    radiolink::LinkState& link = radiolink::linkState();
    try {
        link.comCommun.Close();
    } catch (const std::exception&) {
        // The port is let go all the same.
    }
    makeAnew(link);
    radiolink::firmware() = radiolink::FirmwareState{};

    app::ResetShell();
    model::ResetModel();
    channels::ResetChMem();
    align::ResetAlign();

    makeAnew(flashtool::tool(), model::IicDat(), link);
    makeAnew(flashtool::flashSoft(), radiolink::firmware(), flashtool::tool());

    setEnv("TAVORIN_QUIET", "1");
}

} // namespace testsupport

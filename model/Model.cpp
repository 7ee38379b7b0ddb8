#include "model/Model.h"

#include "model/ChannelWindow.h"

#include "platform/Failure.h"

namespace model {

ModelState& state() {
    static auto s = std::make_unique<ModelState>();
    return *s;
}

void ResetModel() {
    state() = ModelState{};
}

namespace {
ChannelWindowProvider& provider() {
    static ChannelWindowProvider p;
    return p;
}
} // namespace

void SetChannelWindowProvider(ChannelWindowProvider p) {
    provider() = std::move(p);
}

ChannelWindow& frmChMem() {
    if (!provider()) throw platform::Failure("The channel window is not available");
    return provider()();
}

} // namespace model

#include "model/Model.h"

namespace model {

ModelState& state() {
    static auto s = std::make_unique<ModelState>();
    return *s;
}

void ResetModel() {
    state() = ModelState{};
}

} // namespace model

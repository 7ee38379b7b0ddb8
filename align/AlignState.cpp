#include "align/AlignState.h"

#include <memory>
#include <stdexcept>

namespace align {
namespace {

std::unique_ptr<AlignState>& instance() {
    static auto s = std::make_unique<AlignState>();
    return s;
}

FieldControl designState(const FieldRow& r) {
    FieldControl c;
    switch (r.kind) {
    case Kind::List:
        c.ListCount = r.listCount;
        c.FirstNumber = r.firstNumber;
        c.Texts = r.texts;
        break;
    case Kind::Box:
    case Kind::Scroll:
        c.Value = 0;
        break;
    case Kind::GridRow:
        break;
    }
    return c;
}

} // namespace

std::string FieldControl::EntryText(int k) const {
    if (k < 0 || k >= ListCount) return "";
    if (!Texts.empty()) return Texts[k];
    return std::to_string(FirstNumber + k);
}

FieldControls::FieldControls(Window window) {
    for (const FieldRow& r : FieldTable()) {
        if (WindowOf(r.control) != window) continue;
        auto& elements = controls_[static_cast<int>(r.control)];
        const std::size_t needed = static_cast<std::size_t>(r.first + r.count);
        if (elements.size() < needed) elements.resize(needed);
        for (int i = r.first; i < r.first + r.count; ++i) elements[i] = designState(r);
    }
}

FieldControl& FieldControls::at(Control control, int index) {
    auto& elements = controls_[static_cast<int>(control)];
    if (index < FirstElement(control) || index >= static_cast<int>(elements.size()))
        throw std::out_of_range(std::string("no element ") + std::to_string(index) + " of " +
                                NameOf(control));
    return elements[index];
}

const FieldControl& FieldControls::at(Control control, int index) const {
    return const_cast<FieldControls*>(this)->at(control, index);
}

AlignState& state() {
    return *instance();
}

void ResetAlign() {
    instance() = std::make_unique<AlignState>();
}

AlignWindowsHost& windows() {
    return platform::host<AlignWindowsHost>();
}

AdjModeWindow& AdjMode(AlignState& a) {
    if (!a.frmAdjMode) a.frmAdjMode.emplace();
    return *a.frmAdjMode;
}

AdjMoreWindow& AdjMore(AlignState& a) {
    if (!a.frmAdjMore) a.frmAdjMore.emplace();
    return *a.frmAdjMore;
}

} // namespace align

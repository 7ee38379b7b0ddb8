#include "align/AdjMore.h"

#include "app/ImageViews.h"
#include "platform/Host.h"

#include <optional>

namespace align {
namespace {

void storeWord(model::Image& image, Addr at, std::uint16_t word) {
    image[at] = static_cast<std::uint8_t>(word & 0xFF);
    image[at + 1] = static_cast<std::uint8_t>(word >> 8);
}

// A group's members are written together from what each control holds;
// nothing is written while one of them has no value.
void storeGroup(model::Image& image, const FieldControls& fields, Control control) {
    const int first = FirstElement(control);
    const int count = ElementCount(control);
    for (int i = first; i < first + count; ++i)
        if (fields.at(control, i).Value < 0) return;
    for (int i = first; i < first + count; ++i)
        StoreField(image, *FieldOf(control, i), fields.at(control, i).Value);
}

} // namespace

void AdjMoreFieldChanged(AlignState& a, model::Image& image, Control control, int index, int value) {
    if (a.AdjParaShowing == -1) return;
    const std::optional<Field> field = FieldOf(control, index);
    if (!field || WindowOf(control) != Window::AdjMore || control == Control::vsfgGridMenu) return;
    AdjMoreWindow& w = AdjMore(a);
    FieldControl& c = w.fields.at(control, index);
    c.Value = value;
    if (field->row->kind == Kind::Scroll) c.Text = std::to_string(value);
    if (field->row->form == Form::Group) {
        storeGroup(image, w.fields, control);
        return;
    }
    if (value < 0) return; // a list without a choice stores nothing
    StoreField(image, *field, value);
    if (control == Control::cboBatVoltPara) {
        const int first = static_cast<int>(model::map::BatteryPara);
        platform::host<app::FlashGridHost>().RefreshFlashRange(
            first, first + ElementCount(Control::cboBatVoltPara) - 1);
    }
}

void cmdReg34H_Def_Click(model::Image& image) {
    storeWord(image, model::map::Reg34H, kReg34HDefault);
}

void cmdReg65H_Def_Click(model::Image& image) {
    storeWord(image, model::map::Reg65HWide, kReg65HWideDefault);
    storeWord(image, model::map::Reg65HNarrow, kReg65HNarrowDefault);
}

void vsfgGridMenu_AfterEdit(AlignState& a, model::Image& image, int row, int position) {
    const std::optional<Field> field = FieldOf(Control::vsfgGridMenu, row);
    if (!field) return;
    AdjMore(a).fields.at(Control::vsfgGridMenu, row).Value = position;
    StoreField(image, *field, position);
}

void PanelCodeAnswered(AlignState& a, CodeButton button, const std::string& inputCode) {
    AdjMorePanels& p = AdjMore(a).panels;
    const bool right = CodeMatches(button, inputCode);
    switch (ActionOf(button)) {
    case CodeAction::ShowMenuPanel:
        p.fraAdjMenu = right;
        break;
    case CodeAction::ShowSqlPara:
        p.fraSqlPara = right;
        break;
    case CodeAction::ShowRespDevPanels:
        p.fraRxRespDev = p.fraReg34H = p.fraReg65H = p.fraAdjMenu = right;
        break;
    default:
        break;
    }
}

} // namespace align

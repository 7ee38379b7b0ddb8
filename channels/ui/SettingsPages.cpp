#include "channels/ui/SettingsPages.h"

#include "app/ErrorReporter.h"
#include "platform/Numbers.h"

namespace channels {

void HiddenHolder::SetFreBandText(int box, const std::string& text) {
    std::string& shown = txtFreBand_.at(static_cast<std::size_t>(box));
    if (shown == text) return;
    shown = text;
    txtFreBand_Change(box);
}

void HiddenHolder::txtFreBand_Change(int index) {
    static const char* const defaults[4] = {"134.00000", "174.00000", "400.00000", "470.00000"};
    try {
        if (!platform::isNumeric(txtFreBand_.at(static_cast<std::size_t>(index))))
            SetFreBandText(index, defaults[index]);
    } catch (const std::exception& e) {
        app::VbErrNumDes("frmChMem->txtFreBand_Change", e);
    }
}

} // namespace channels

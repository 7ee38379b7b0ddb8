#include "align/VitualKey.h"

#include "link/Engine.h"
#include "link/Protocol.h"

namespace align {
namespace {

bool run(AlignState& a, radiolink::LinkState& link, const std::string& script) {
    VitualKeyWindow& w = VitualKey(a);
    if (radiolink::LinkRefuses(link)) return false;
    bool ran = false;
    {
        DisabledWhileBusy busy(w);
        windows().VitualKeyChanged();
        ran = radiolink::ComProcSeq(link, script);
    }
    windows().VitualKeyChanged();
    return ran;
}

} // namespace

std::uint8_t SideKeyButtonCode(const VitualKeyWindow& w, int index) {
    return radiolink::SideKeyCode(index, w.chkKeyPf[index].Value == 1);
}

VitualKeyWindow& VitualKey(AlignState& a) {
    if (!a.frmVitualKey) a.frmVitualKey.emplace();
    return *a.frmVitualKey;
}

void chkKeyPf_Click(AlignState& a, int index, int value) {
    if (index < 0 || index >= static_cast<int>(kSideKeyCaptions.size())) return;
    VitualKey(a).chkKeyPf[index].Value = static_cast<std::int16_t>(value);
}

bool cmdKeyPf_Click(AlignState& a, radiolink::LinkState& link, int index) {
    if (index < 0 || index >= static_cast<int>(kSideKeyCaptions.size())) return false;
    return run(a, link, radiolink::SideKeyScript(link, SideKeyButtonCode(VitualKey(a), index)));
}

bool cmdKeyMa_Click(AlignState& a, radiolink::LinkState& link, int index) {
    if (index < 0 || index >= static_cast<int>(kMainKeyCaptions.size())) return false;
    return run(a, link, radiolink::MainKeyScript(link, index));
}

} // namespace align

#include "flashtool/FlashSoft.h"

#include "flashtool/BuiltInFirmware.h"

namespace flashtool {

std::span<const char* const> gstrFlashSoft(int model, int version) {
    if (model == 101 && version == 10) return FlashSoft_QM940_101_10H;
    return {};
}

std::vector<std::string> GetFlashSoftHex(int model, int version) {
    const std::span<const char* const> stored = gstrFlashSoft(model, version);
    return {stored.begin(), stored.end()};
}

std::optional<std::string> FindIdentity(std::span<const std::string> lines, int lastLine) {
    const std::string start = IdentityRecordStart;
    for (std::size_t i = 0; i < lines.size() && static_cast<int>(i) <= lastLine; ++i)
        if (lines[i].compare(0, start.size(), start) == 0) return lines[i].substr(9, 10);
    return std::nullopt;
}

std::vector<std::string> VersionNames(const radiolink::FirmwareState& fw, int model) {
    std::vector<std::string> names;
    if (model < radiolink::FirstModelCode || model > radiolink::LastModelCode) return names;
    for (int c = radiolink::FirstVersionColumn; c <= radiolink::LastVersionColumn; ++c) {
        if (fw.SoftModelTbl[model][c].empty()) break;
        names.push_back(fw.SoftModelTbl[model][c]);
    }
    return names;
}

void TrimVersionsAfter(radiolink::FirmwareState& fw, int model, int position) {
    if (model < radiolink::FirstModelCode || model > radiolink::LastModelCode || position < 0) return;
    for (int c = position + radiolink::FirstVersionColumn + 1; c <= radiolink::LastVersionColumn; ++c)
        fw.SoftModelTbl[model][c].clear();
}

} // namespace flashtool

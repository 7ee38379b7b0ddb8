#include "flashtool/SoftConvert.h"

#include "app/Reasons.h"
#include "flashtool/FlashSoft.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/IntelHex.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/ProductionFolder.h"

namespace flashtool {
namespace {

constexpr const char* kSoftFiles[SoftFileCount] = {"PK4T_HN4", "PK4T_QM940", "PK4T_QM716"};
constexpr int kIdentitySearchLast = 5000;

std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

std::string SoftFilePath(int index) {
    const std::string name = kSoftFiles[index];
    return platform::productionPath({platform::Series1846SFolder, name, name + ".hex"});
}

std::string DefaultSaveAddr() {
    return platform::productionPath({platform::OtherFolder, "SoftConvert.txt"});
}

std::vector<std::pair<std::string, std::string>> SoftConvertEntries(const std::vector<std::string>& lines,
                                                                    const std::string& code,
                                                                    const std::string& version,
                                                                    const std::string& name) {
    const std::string procedure = "Function FlashSoft_" + name + "_" + code + "_" + version;
    std::vector<std::pair<std::string, std::string>> entries;
    entries.emplace_back(procedure + "H_1000()", "###");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (static_cast<int>(i) == FirstProcedureLast + 1)
            entries.emplace_back(procedure + "H_1001()", "###");
        entries.emplace_back("gstrFlashSoft(" + code + ", " + version + ", " + std::to_string(i) + ") ",
                             " \"" + lines[i] + "\"");
        if (static_cast<int>(i) == FirstProcedureLast) entries.emplace_back("End Function", "###");
    }
    entries.emplace_back("End Function###", "###");
    return entries;
}

ConvertOutcome SoftConvert(const std::string& input, const std::string& output,
                           const radiolink::FirmwareState& fw) {
    ConvertOutcome out;
    HexFile file = ReadHexFile(input);
    if (file.error) {
        out.message = *file.error;
        return out;
    }
    std::vector<std::string>& lines = file.lines;
    const HexImage hex = ParseHexLines(lines);
    if (!hex) {
        out.message = hex.error->text();
        return out;
    }
    lines.resize(static_cast<std::size_t>(hex.lines));
    const std::optional<std::string> identity = FindIdentity(lines, kIdentitySearchLast);
    if (!identity) {
        out.message = std::string(texts::HexFilePrefix) + texts::NoIdentity;
        return out;
    }
    model::Image scratch;
    ApplyHexImage(hex, 0xFFFF, scratch);
    const std::uint8_t versionByte = scratch[0x1C20], day = scratch[0x1C22], code = scratch[0x1C24];
    const int version = (versionByte >> 4) * 10 + (versionByte & 0x0F);
    if (code < radiolink::FirstModelCode || code > radiolink::LastModelCode) {
        out.message = std::string(texts::HexFilePrefix) + texts::BadModelCode + std::to_string(code);
        return out;
    }
    if ((versionByte >> 4) > 9 || (versionByte & 0x0F) > 9 || version > LastVersionNumber) {
        out.message = std::string(texts::HexFilePrefix) + texts::BadVersion + std::to_string(versionByte);
        return out;
    }
    out.fields = SoftFields{std::to_string(code), std::to_string(version), std::to_string(day), *identity};

    const std::string& name = fw.SoftModelTbl[code][0];
    if (const std::string folder = parentOf(output); !folder.empty()) {
        if (platform::IoResult r = platform::makeFolder(folder); !r) {
            out.message = app::IoText(r, texts::Language);
            return out;
        }
    }
    const auto entries = SoftConvertEntries(lines, out.fields->code, out.fields->version, name);
    if (platform::IoResult r = platform::IniFile::writeSection(output, SoftConvertSection, entries); !r) {
        out.message = app::IoText(r, texts::Language);
        return out;
    }
    out.ok = true;
    return out;
}

} // namespace flashtool

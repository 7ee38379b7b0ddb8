#include "link/FirmwareTable.h"

#include <memory>
#include <vector>

namespace radiolink {
namespace {

struct BuiltInVersion {
    const char* name;
    const char* identity;
};

struct BuiltInModel {
    int code;
    const char* name;
    const char* codeText;
    std::vector<BuiltInVersion> versions; // oldest first
};

// The models the program knows. A version is listed only together with the
// built-in image that carries it.
const std::vector<BuiltInModel>& builtInModels() {
    static const std::vector<BuiltInModel> models = {
        {100, "未知", "", {}},
        {101, "QM940", "101", {{"10", "102C146865"}}},
    };
    return models;
}

} // namespace

FirmwareState& firmware() {
    // On the heap: 6,552 strings are too many for some compilers to check
    // as a constant initializer.
    static auto fw = std::make_unique<FirmwareState>();
    return *fw;
}

void InitFlashSoftModel(FirmwareState& fw) {
    for (const BuiltInModel& m : builtInModels()) {
        auto& names = fw.SoftModelTbl[m.code];
        auto& ids = fw.SoftSpecialTbl[m.code];
        names[0] = m.name;
        names[1] = m.codeText;
        int column = FirstVersionColumn;
        for (const BuiltInVersion& v : m.versions) {
            names[column] = v.name;
            ids[column] = v.identity;
            ++column;
        }
        // The cell after the newest version ends the list again.
        if (column <= LastVersionColumn) {
            names[column].clear();
            ids[column].clear();
        }
    }
}

std::string ExpectedIdentity(const FirmwareState& fw, int model) {
    if (model < FirstModelCode || model > LastModelCode) return {};
    int c = FirstVersionColumn;
    while (c <= LastVersionColumn && !fw.SoftModelTbl[model][c].empty()) ++c;
    return fw.SoftSpecialTbl[model][c - 1];
}

} // namespace radiolink

// Every transfer broken at every exchange (tests/link/Sweep.h), each as the
// user starts it. Each test prints how many broken transfers it ran.
#include "tests/link/Sweep.h"

#include <cstdio>

namespace {

using namespace sweep;

enum class Kind {
    DialogRead,
    AlignmentWindowRead,
    DialogWrite,
    AlignmentWindowWrite,
    DialogWriteWithFirmware,
    AlignmentWindowWriteWithFirmware,
    ToolWindowPageRead,
    ToolWindowPageWrite,
    ToolWindowInternalRamRead,
    ToolWindowExternalRamRead,
    ToolWindowInternalRamWrite,
    ToolWindowExternalRamWrite,
    KeypadSideKey,
    KeypadMainKey,
    AlignmentWindowPowerAdjust,
};

struct KindName {
    Kind kind;
    const char* name;
};
constexpr KindName kKinds[] = {
    {Kind::DialogRead, "ReadWriteDialogRead"},
    {Kind::AlignmentWindowRead, "AlignmentWindowRead"},
    {Kind::DialogWrite, "ReadWriteDialogWrite"},
    {Kind::AlignmentWindowWrite, "AlignmentWindowWrite"},
    {Kind::DialogWriteWithFirmware, "ReadWriteDialogWriteWithFirmware"},
    {Kind::AlignmentWindowWriteWithFirmware, "AlignmentWindowWriteWithFirmware"},
    {Kind::ToolWindowPageRead, "ToolWindowPageRead"},
    {Kind::ToolWindowPageWrite, "ToolWindowPageWrite"},
    {Kind::ToolWindowInternalRamRead, "ToolWindowInternalRamRead"},
    {Kind::ToolWindowExternalRamRead, "ToolWindowExternalRamRead"},
    {Kind::ToolWindowInternalRamWrite, "ToolWindowInternalRamWrite"},
    {Kind::ToolWindowExternalRamWrite, "ToolWindowExternalRamWrite"},
    {Kind::KeypadSideKey, "KeypadSideKey"},
    {Kind::KeypadMainKey, "KeypadMainKey"},
    {Kind::AlignmentWindowPowerAdjust, "AlignmentWindowPowerAdjust"},
};
const char* const kBreakNames[] = {"Silent", "Garbage", "HungUp", "WrongSums"};

const char* nameOf(Kind kind) {
    return kKinds[static_cast<int>(kind)].name;
}

class Sweep : public SweepFixture, public ::testing::WithParamInterface<std::tuple<Kind, Break>> {
  protected:
    Transfer transfer(Kind kind) {
        switch (kind) {
        case Kind::DialogRead:
            return dialogRead();
        case Kind::AlignmentWindowRead:
            return alignmentRead();
        case Kind::DialogWrite:
            return dialogWrite(false);
        case Kind::AlignmentWindowWrite:
            return alignmentWrite(false);
        case Kind::DialogWriteWithFirmware:
            return dialogWrite(true);
        case Kind::AlignmentWindowWriteWithFirmware:
            return alignmentWrite(true);
        case Kind::ToolWindowPageRead:
            return toolPages(true);
        case Kind::ToolWindowPageWrite:
            return toolPages(false);
        case Kind::ToolWindowInternalRamRead:
            return ramButton(true, true);
        case Kind::ToolWindowExternalRamRead:
            return ramButton(true, false);
        case Kind::ToolWindowInternalRamWrite:
            return ramButton(false, true);
        case Kind::ToolWindowExternalRamWrite:
            return ramButton(false, false);
        case Kind::KeypadSideKey:
            return keypadKey(true);
        case Kind::KeypadMainKey:
            return keypadKey(false);
        case Kind::AlignmentWindowPowerAdjust:
            break;
        }
        return powerAdjust();
    }
};

TEST_P(Sweep, EndsAsRequiredAndTheNextSucceeds) {
    const auto [kind, way] = GetParam();
    const int count = sweep(transfer(kind), way);
    std::printf("%s, %s: %d broken transfers, %s\n", nameOf(kind), kBreakNames[static_cast<int>(way)], count,
                HasFailure() ? "NOT all as required" : "each ended as required");
    RecordProperty("broken_transfers", count);
}

// Every transfer in every way; wrong sums for those that move pages.
std::vector<std::tuple<Kind, Break>> allSweeps() {
    std::vector<std::tuple<Kind, Break>> out;
    for (const KindName& k : kKinds)
        for (Break way : {Break::Silence, Break::Garbage, Break::HangUp, Break::WrongSum})
            if (way != Break::WrongSum || k.kind <= Kind::ToolWindowPageWrite) out.emplace_back(k.kind, way);
    return out;
}

INSTANTIATE_TEST_SUITE_P(Transfers, Sweep, ::testing::ValuesIn(allSweeps()), [](const auto& info) {
    return std::string(nameOf(std::get<0>(info.param))) + "_" +
           kBreakNames[static_cast<int>(std::get<1>(info.param))];
});

} // namespace

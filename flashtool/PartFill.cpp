#include "flashtool/PartFill.h"

#include "app/ImageViews.h"
#include "flashtool/CellTip.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/MemoryGrids.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cstdio>

namespace flashtool {
namespace {

constexpr std::uint32_t kLargest = 32767;

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

bool onlyOf(const std::string& s, const char* digits) {
    return !s.empty() && s.find_first_not_of(digits) == std::string::npos;
}

// A hex text as a number, nullopt when it is none.
std::optional<std::uint32_t> hexValue(const std::string& text) {
    const std::string s = trimmed(text);
    if (!onlyOf(s, "0123456789ABCDEFabcdef")) return std::nullopt;
    return B_To_D(H_To_B(s));
}

std::string fourDigits(std::uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(v));
    return buf;
}

// The grid a fill target fills; any other number counts as the flash.
int gridOf(int target) {
    switch (target) {
    case FillInRam:
        return radiolink::GridInRam;
    case FillExtRam:
        return radiolink::GridExtRam;
    default:
        return radiolink::GridFlash;
    }
}

void showTab(ToolState& t, int tab) {
    t.sstabData = t.sstabCtl = tab;
    view().WindowChanged();
}

// The number a value text stands for in its base, before any limit.
std::optional<std::uint32_t> rawValueOf(const std::string& text, int base) {
    const std::string s = trimmed(text);
    if (base == BaseHex) return hexValue(s);
    if (base == BaseDecimal) {
        if (auto n = platform::wholeNumber(s, 0, 2147483647.0)) return static_cast<std::uint32_t>(*n);
        if (onlyOf(s, "0123456789")) return 0xFFFFFFFF; // too long for any limit
        return std::nullopt;
    }
    if (base == BaseBinary && onlyOf(s, "01")) return B_To_D(s);
    return std::nullopt;
}

} // namespace

void PartFillLoad(const ToolState& t, PartFillDialog& d) {
    d.cboFillData = BaseHex;
    d.txtStartAddr = fourDigits(t.FillStartAddr);
    d.txtEndAddr = fourDigits(t.FillEndAddr);
}

void txtStartAddr_Change(ToolState& t, PartFillDialog& d) {
    if (auto v = hexValue(d.txtStartAddr); v && *v <= 0xFFFF) t.FillStartAddr = *v;
}

void txtEndAddr_Change(ToolState& t, PartFillDialog& d) {
    if (auto v = hexValue(d.txtEndAddr); v && *v <= 0xFFFF) t.FillEndAddr = *v;
}

void optGridFlashRam_Click(ToolState& t, PartFillDialog& d, int target) {
    d.optGridFlashRam = target;
    auto setStart = [&](const char* text) {
        d.txtStartAddr = text;
        txtStartAddr_Change(t, d);
    };
    auto setEnd = [&](const char* text) {
        d.txtEndAddr = text;
        txtEndAddr_Change(t, d);
    };
    if (target == FillInRam) {
        if (t.FillStartAddr < 0x30 || t.FillStartAddr > 0xFF) setStart("30");
        if (t.FillEndAddr < 0x30 || t.FillEndAddr > 0xFF) setEnd("FF");
        showTab(t, 1);
    } else if (target == FillExtRam) {
        if (t.FillStartAddr > 0xAFF) setStart("000");
        if (t.FillEndAddr > 0xAFF) setEnd("AFF");
        showTab(t, 2);
    } else {
        showTab(t, 0);
    }
}

std::optional<std::uint8_t> FillValueOf(const std::string& text, int base) {
    const std::optional<std::uint32_t> v = rawValueOf(text, base);
    if (!v || *v > kLargest) return std::nullopt;
    return static_cast<std::uint8_t>(std::min<std::uint32_t>(*v, 0xFF));
}

std::uint32_t TargetLastAddr(int target) {
    return ShapeOf(gridOf(target))->size - 1;
}

FillOutcome cmdFillData_Click(ToolState& t, const PartFillDialog& d) {
    FillOutcome out;
    const std::uint32_t top = TargetLastAddr(d.optGridFlashRam);
    const std::optional<std::uint8_t> value = FillValueOf(d.txtFillData, d.cboFillData);
    if (!value) {
        out.message = rawValueOf(d.txtFillData, d.cboFillData) ? texts::FillValueTooBig : texts::FillBadValue;
        return out;
    }
    const std::optional<std::uint32_t> start = hexValue(d.txtStartAddr), end = hexValue(d.txtEndAddr);
    char range[8];
    std::snprintf(range, sizeof range, "%X", static_cast<unsigned>(top));
    if (!start || *start > top) {
        out.message = texts::FillBadStart + std::string(range);
        return out;
    }
    if (!end || *end > top) {
        out.message = texts::FillBadEnd + std::string(range);
        return out;
    }
    out.filled = true;
    out.first = *start;
    out.last = *end;
    if (*start > *end) return out;
    const int grid = gridOf(d.optGridFlashRam);
    std::uint8_t* bytes = t.bytes(grid);
    std::fill(bytes + *start, bytes + *end + 1, *value);
    RefreshGridRange(t, grid, *start, *end);
    if (grid == radiolink::GridFlash) platform::host<app::AlignmentDisplayHost>().AdjParaShow();
    return out;
}

} // namespace flashtool

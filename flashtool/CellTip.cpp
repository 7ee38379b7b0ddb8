#include "flashtool/CellTip.h"

#include "platform/Numbers.h"

#include <cstdio>

namespace flashtool {

std::string H_To_B(std::string_view text) {
    std::string bin;
    for (char c : text) {
        const int d = platform::hexDigit(c);
        if (d < 0) continue;
        for (int bit = 3; bit >= 0; --bit) bin += (d >> bit & 1) ? '1' : '0';
    }
    return bin;
}

std::uint32_t B_To_D(std::string_view bin) {
    std::uint64_t v = 0;
    for (char c : bin) {
        const unsigned digit = c >= '0' && c <= '9' ? static_cast<unsigned>(c - '0') : 0;
        v = std::min<std::uint64_t>(v * 2 + digit, 0xFFFFFFFF);
    }
    return static_cast<std::uint32_t>(v);
}

std::string B_To_BitShow(std::string_view bin) {
    std::string shown;
    const std::size_t n = bin.size();
    for (std::size_t i = 0; i < n; ++i) {
        shown = "B" + std::to_string(i) + ":" + bin[n - 1 - i] + " " + shown;
        if (i == 3) shown = "  " + shown;
    }
    return shown;
}

std::string CellTipText(std::uint32_t address, std::string_view text) {
    const std::string bin = H_To_B(text);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(address));
    return std::string("0x") + hex + " 二进制:" + bin + "  " + B_To_BitShow(bin) + "  十进制" +
           std::to_string(B_To_D(bin)) + "  \r\n";
}

} // namespace flashtool

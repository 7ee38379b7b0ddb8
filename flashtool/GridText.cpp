#include "flashtool/GridText.h"

#include "platform/Numbers.h"

#include <array>

namespace flashtool {
namespace {

// By column group of four: columns 0-3, 4-7, 8-11, 12-15.
constexpr std::array<Colour, 4> kGroupColours = {
    0x0000FF, // RGB(255, 0, 0)
    0xD232F5, // RGB(245, 50, 210)
    0xFF0000, // RGB(0, 0, 255)
    0x0A73F5, // RGB(245, 115, 10)
};

} // namespace

const GridShape* ShapeOf(int grid) {
    switch (grid) {
    case radiolink::GridFlash:
        return &FlashGridShape;
    case radiolink::GridInRam:
        return &InRamGridShape;
    case radiolink::GridExtRam:
        return &ExtRamGridShape;
    default:
        return nullptr;
    }
}

std::optional<std::uint32_t> AddressOf(const GridShape& g, int row, int col) {
    if (row < 1 || row > DataRows(g) || col < 1 || col > BytesPerRow) return std::nullopt;
    return static_cast<std::uint32_t>((row - 1) * BytesPerRow + col - 1);
}

std::string ByteText(std::uint8_t b) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[b >> 4], digits[b & 0x0F]};
}

Colour GroupColour(std::uint32_t address) {
    return kGroupColours[(address % BytesPerRow) / 4];
}

std::optional<std::uint8_t> ParseCellText(std::string_view text) {
    const int v = platform::hexPrefixValue(text);
    if (v > 0xFF) return std::nullopt;
    return static_cast<std::uint8_t>(v);
}

} // namespace flashtool

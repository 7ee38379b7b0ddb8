#pragma once
// The tool window's three hex grids as text: where a byte's cell lies, the
// text a byte shows, how a typed text is read, and the colours of the cells.
// A grid has one fixed header row and one fixed header column; the byte of
// address a lies in row a / 16 + 1, column a % 16 + 1.
#include "link/LinkState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace flashtool {

// Colour numbers 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour Black = 0x000000;
inline constexpr Colour ChangedColour = 0x0000FF; // RGB(255, 0, 0): a byte the change scan found

// The byte columns centred under their digit, as their cells are.
inline constexpr const char* GridHeaderFormat = "Addr|^0|^1|^2|^3|^4|^5|^6|^7|^8|^9|^A|^B|^C|^D|^E|^F";
inline constexpr int BytesPerRow = 16;

// One grid: its number (radiolink::GridFlash, GridInRam, GridExtRam), its
// bytes, and the addresses that are read, written and edited.
struct GridShape {
    int grid;
    std::uint32_t size;
    std::uint32_t editFirst;
    std::uint32_t editLast;
};
inline constexpr GridShape FlashGridShape{radiolink::GridFlash, 0x10000, 0x0000, 0xFFFF};
inline constexpr GridShape InRamGridShape{radiolink::GridInRam, 0x100, 0x30, 0xFF};
inline constexpr GridShape ExtRamGridShape{radiolink::GridExtRam, 0xB00, 0x000, 0xAFF};
// The shape of grid 1-3, or nullptr.
const GridShape* ShapeOf(int grid);

struct Cell {
    int row;
    int col;
    bool operator==(const Cell&) const = default;
};
constexpr Cell CellOf(std::uint32_t address) {
    return {static_cast<int>(address / BytesPerRow) + 1, static_cast<int>(address % BytesPerRow) + 1};
}
constexpr int DataRows(const GridShape& g) {
    return static_cast<int>(g.size / BytesPerRow);
}
// The address of a data cell; nullopt for a header cell or a cell outside.
std::optional<std::uint32_t> AddressOf(const GridShape& g, int row, int col);

// Two upper-case hex digits ("0A").
std::string ByteText(std::uint8_t b);

// The text colour of a marked cell, by the column group of its address.
Colour GroupColour(std::uint32_t address);

// A typed cell text: its leading hex digits (either case), 0 when it has
// none. nullopt for a value that does not fit a byte.
std::optional<std::uint8_t> ParseCellText(std::string_view text);

} // namespace flashtool

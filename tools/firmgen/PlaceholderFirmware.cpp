#include "tools/firmgen/PlaceholderFirmware.h"

#include "model/ImageMap.h"
#include "tools/datagen/DefaultImage.h"

#include <cstdio>
#include <cstring>

namespace firmgen {
namespace {

// A range of addresses the image fills, both ends included.
struct Range {
    std::uint16_t first;
    std::uint16_t last;
};

constexpr Range kRanges[] = {
    {0x0000, 0x0002}, {0x0029, 0x0038}, {0x007B, 0x007C}, {0x0080, 0x00A1}, {0x0200, 0x02C4},
    {0x0300, 0x075C}, {0x0A00, 0x12E8}, {0x1500, 0x5CA5}, {0x6000, 0x9072}, {0xA000, 0xC57F},
    {0xC800, 0xE78D}, {0xE800, 0xE84F}, {0xE890, 0xE891}, {0xE900, 0xEC60}, {0xEC80, 0xECA9},
    {0xECD0, 0xECFF}, {0xF000, 0xF87F}, {0xFC00, 0xFFFF},
};

// A linker lays its output out in segments, and a HEX writer starts a new run
// of 16-byte records at each segment, ending the segment with a shorter one.
// The segment lengths of the three areas (the boot code below 0x1C00, the
// program above it, the data area from 0xC800) give the record counts of
// the real build: 3,446 full records and 139 short ones.
constexpr std::uint32_t kProgramStart = 0x1C00;
constexpr std::uint32_t kDataStart = 0xC800;
constexpr std::uint32_t kBootSegment = 573;
constexpr std::uint32_t kProgramSegment = 345;
constexpr std::uint32_t kDataSegment = 1025;

std::uint32_t segmentOf(std::uint32_t address) {
    if (address < kProgramStart) return kBootSegment;
    if (address < kDataStart) return kProgramSegment;
    return kDataSegment;
}

model::Image placeholderBytes() {
    model::Image image = datagen::BuildDefaultImage();
    // Keep the radio's alignment pages on an update: a write puts them back
    // only when this byte of the loaded image is at least the threshold.
    image[model::map::BatteryPara] = model::map::AlignmentKeptFrom;
    const std::size_t n = std::strlen(FillerText);
    for (std::uint32_t a = 0; a < kDataStart; ++a) image[a] = static_cast<std::uint8_t>(FillerText[a % n]);
    for (std::uint32_t a = 0xFC00; a <= 0xFFFF; ++a) image[a] = static_cast<std::uint8_t>(FillerText[a % n]);
    std::memcpy(&image[IdentityAddress], Identity, sizeof Identity);
    return image;
}

void appendSegment(std::vector<Record>& out, const model::Image& image, std::uint32_t first,
                   std::uint32_t last) {
    for (std::uint32_t a = first; a <= last;) {
        const std::uint32_t n = std::min<std::uint32_t>(16, last - a + 1);
        out.push_back({static_cast<std::uint16_t>(a), {image.begin() + a, image.begin() + a + n}});
        a += n;
    }
}

} // namespace

std::vector<Record> PlaceholderRecords() {
    const model::Image image = placeholderBytes();
    std::vector<Record> records;
    for (const Range& r : kRanges) {
        std::uint32_t start = r.first;
        while (start <= r.last) {
            // A segment never crosses from one area into the next.
            std::uint32_t end = std::min<std::uint32_t>(r.last, start + segmentOf(start) - 1);
            if (start < kProgramStart && end >= kProgramStart) end = kProgramStart - 1;
            appendSegment(records, image, start, end);
            start = end + 1;
        }
    }
    return records;
}

std::string HexLineOf(const Record& r) {
    char buf[16];
    unsigned sum = static_cast<unsigned>(r.data.size()) + (r.address >> 8) + (r.address & 0xFF);
    std::snprintf(buf, sizeof buf, ":%02X%04X00", static_cast<unsigned>(r.data.size()), r.address);
    std::string line = buf;
    for (std::uint8_t b : r.data) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        line += buf;
        sum += b;
    }
    std::snprintf(buf, sizeof buf, "%02X", (0x100 - (sum & 0xFF)) & 0xFF);
    return line + buf;
}

std::vector<std::string> PlaceholderHexLines() {
    std::vector<std::string> lines;
    for (const Record& r : PlaceholderRecords()) lines.push_back(HexLineOf(r));
    lines.push_back(EndRecord);
    return lines;
}

std::string BuiltInSource(const std::vector<std::string>& lines) {
    std::string s = "// Written by tools/firmgen at build time: the placeholder firmware image\n"
                    "// built in as model 101, version 10. Not firmware for any radio.\n"
                    "#include \"flashtool/BuiltInFirmware.h\"\n\n"
                    "namespace flashtool {\n\n"
                    "const std::array<const char*, " +
                    std::to_string(lines.size()) + "> FlashSoft_QM940_101_10H = {\n";
    for (const std::string& l : lines) s += "    \"" + l + "\",\n";
    return s + "};\n\n} // namespace flashtool\n";
}

} // namespace firmgen

#include "model/Frequency.h"

#include "app/ErrorReporter.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"

#include <cstdio>
#include <cstdlib>

namespace model {

std::optional<std::int32_t> ReadBcdFre(const Image& image, map::Addr addr) {
    std::int32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        std::uint8_t b = image[addr + static_cast<map::Addr>(i)];
        int hi = b >> 4, lo = b & 0x0F;
        if (hi > 9 || lo > 9) return std::nullopt;
        v = v * 100 + hi * 10 + lo;
    }
    return v;
}

void SeparateFreChar(ModelState& m, std::string_view text) {
    app::Guarded("modChMem->SeparateFreChar", [&] {
        for (std::size_t i = 0; i < text.size(); i += 2) {
            if (i / 2 >= m.SepDat.size()) throw platform::Failure("Subscript out of range");
            int v = platform::hexPrefixValue(text.substr(i, 2));
            m.SepDat[i / 2] = static_cast<std::uint8_t>(v);
        }
    });
}

bool StoreBcdFre(ModelState& m, map::Addr addr, std::int32_t f) {
    if (f < 0 || f > MaxStoredFre) return false;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08d", static_cast<int>(f));
    SeparateFreChar(m, digits);
    for (int i = 0; i < 4; ++i)
        m.IicDat[addr + 3 - static_cast<map::Addr>(i)] = m.SepDat[static_cast<std::size_t>(i)];
    return true;
}

std::string FreBoxText(std::int32_t f) {
    long long v = f;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%03lld.%05lld", v < 0 ? "-" : "", std::llabs(v) / 100000,
                  std::llabs(v) % 100000);
    return buf;
}

} // namespace model

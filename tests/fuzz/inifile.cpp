// The settings file: any bytes as an INI file, read and written as the
// program's settings are.
// - A read gives the stored value (or the default) cut to the buffer: a
//   leading part of it that fits, never a split character.
// - A write creates or replaces one key: that key then reads back as
//   written, every other key reads as before, every other line keeps its
//   bytes, its end included (a last line without a line feed gains one
//   when a line is added after it), the byte-order mark stays as it was,
//   and writing the same value again changes no byte.
// - Adding what another text holds and the file lacks (addMissing): each of
//   its keys then reads, every key the file held reads as before, every line
//   stays in order with its bytes, and a second addition changes nothing.
#include "platform/IniFile.h"
#include "platform/FileIo.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/fuzz/TextLines.h"

#include <array>
#include <fstream>
#include <optional>

namespace {

using platform::IniFile;

constexpr std::array<const char*, 6> kSections = {"Config", "setting", "Soft", "Ports", "a b", "ChInfo"};
constexpr std::array<const char*, 6> kKeys = {"COM", "language", "1", "FirRun", "x y", "1000"};
constexpr std::array<const char*, 6> kValues = {"1", "", "3000", "宋体", "a=b;c", "/dev/pts/7"};

std::string contentOf(const std::string& path) {
    std::string s;
    platform::readTextFile(path, s);
    return s;
}

bool sameName(std::string a, std::string b) {
    for (auto* s : {&a, &b})
        for (char& c : *s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return a == b;
}

// The characters of a text as the reads walk it, with their units: one for
// ASCII, two for any other (a stray byte among them).
std::vector<std::pair<std::size_t, int>> charactersOf(const std::string& s) {
    std::vector<std::pair<std::size_t, int>> out; // length in bytes, units
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t n = lead < 0x80                   ? 1
                        : lead >= 0xF0 && lead < 0xF8 ? 4
                        : lead >= 0xE0                ? 3
                        : lead >= 0xC0                ? 2
                                                      : 1;
        if (lead >= 0xF8) n = 1;
        n = std::min(n, s.size() - i);
        out.emplace_back(n, lead < 0x80 ? 1 : 2);
        i += n;
    }
    return out;
}

void checkRead(const std::string& path, const char* section, const char* key, int size) {
    const std::optional<std::string> stored = IniFile::lookup(path, section, key);
    const std::string full = stored ? *stored : "dflt";
    const std::string got = IniFile::read(path, section, key, " dflt ", size);
    FUZZ_CHECK(full.compare(0, got.size(), got) == 0);
    // Whole characters, as many as fit in size - 1 units.
    std::size_t bytes = 0;
    int units = 0;
    for (const auto& [n, u] : charactersOf(full)) {
        if (units + u > size - 1) break;
        bytes += n;
        units += u;
    }
    FUZZ_CHECK(got.size() == bytes);
}

void checkAddMissing(const std::string& path, const std::string& text) {
    // Every other section, each with every other key.
    std::string from;
    std::array<std::array<bool, kKeys.size()>, kSections.size()> given{};
    for (std::size_t s = 0; s < kSections.size(); s += 2) {
        from += "[" + std::string(kSections[s]) + "]\n";
        for (std::size_t k = s % 3; k < kKeys.size(); k += 2) {
            from += std::string(kKeys[k]) + "=" + kValues[k] + "\n";
            given[s][k] = true;
        }
    }
    std::array<std::array<std::optional<std::string>, kKeys.size()>, kSections.size()> before;
    for (std::size_t s = 0; s < kSections.size(); ++s)
        for (std::size_t k = 0; k < kKeys.size(); ++k)
            before[s][k] = IniFile::lookup(path, kSections[s], kKeys[k]);
    std::vector<platform::IniAddition> added;
    FUZZ_CHECK(IniFile::addMissing(path, from, added));
    const std::string now = contentOf(path);
    for (std::size_t s = 0; s < kSections.size(); ++s)
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            const std::optional<std::string> got = IniFile::lookup(path, kSections[s], kKeys[k]);
            if (before[s][k])
                FUZZ_CHECK(got == before[s][k]);
            else if (given[s][k])
                FUZZ_CHECK(got == std::string(kValues[k]));
        }
    // The old lines in order among the new ones.
    const fuzz::TextLines oldText = fuzz::linesOf(text), nowText = fuzz::linesOf(now);
    FUZZ_CHECK(nowText.bom == oldText.bom);
    std::size_t at = 0;
    for (std::size_t i = 0; i < oldText.lines.size(); ++i) {
        const fuzz::Line& l = oldText.lines[i];
        const bool last = i + 1 == oldText.lines.size();
        while (at < nowText.lines.size() && nowText.lines[at] != l &&
               !(last && fuzz::gainedLineEnd(l, nowText.lines[at])))
            ++at;
        FUZZ_CHECK(at < nowText.lines.size());
        ++at;
    }
    FUZZ_CHECK(added.empty() == (now == text));
    FUZZ_CHECK(IniFile::addMissing(path, from, added));
    FUZZ_CHECK(added.empty() && contentOf(path) == now);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const char* section = kSections[in.byte() % kSections.size()];
    const char* key = kKeys[in.byte() % kKeys.size()];
    const char* value = kValues[in.byte() % kValues.size()];
    const int readSize = in.byte() % 40;
    const std::string path = fuzz::workFolder() + "/tavorin.def";
    const std::string text = in.text(in.left());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;

    std::array<std::array<std::optional<std::string>, kKeys.size()>, kSections.size()> before;
    for (std::size_t s = 0; s < kSections.size(); ++s)
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            before[s][k] = IniFile::lookup(path, kSections[s], kKeys[k]);
            if (readSize > 0) checkRead(path, kSections[s], kKeys[k], readSize);
        }

    FUZZ_CHECK(IniFile::write(path, section, key, value));
    const std::string written = contentOf(path);
    for (std::size_t s = 0; s < kSections.size(); ++s)
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            const std::optional<std::string> now = IniFile::lookup(path, kSections[s], kKeys[k]);
            if (sameName(kSections[s], section) && sameName(kKeys[k], key))
                FUZZ_CHECK(now == std::string(value));
            else
                FUZZ_CHECK(now == before[s][k]);
        }

    // Every line kept with its end: one replaced (its end kept), or the key
    // (after its section's last entry) or the section and the key (at the
    // end) added.
    const fuzz::TextLines oldText = fuzz::linesOf(text), nowText = fuzz::linesOf(written);
    FUZZ_CHECK(nowText.bom == oldText.bom);
    const std::vector<fuzz::Line>& old = oldText.lines;
    const std::vector<fuzz::Line>& now = nowText.lines;
    FUZZ_CHECK(now.size() >= old.size() && now.size() <= old.size() + 2);
    if (now.size() == old.size()) {
        std::size_t differ = 0;
        for (std::size_t i = 0; i < old.size(); ++i)
            if (old[i] != now[i]) {
                ++differ;
                FUZZ_CHECK(old[i].end == now[i].end);
            }
        FUZZ_CHECK(differ <= 1);
    } else {
        // The old lines are a head and a tail of the new ones around the
        // added lines; added at the end, a last line without a line feed
        // gains one.
        std::size_t head = 0, tail = 0;
        while (head < old.size() && old[head] == now[head]) ++head;
        while (tail < old.size() && old[old.size() - 1 - tail] == now[now.size() - 1 - tail]) ++tail;
        const bool endedLast = head + 1 == old.size() && fuzz::gainedLineEnd(old[head], now[head]);
        FUZZ_CHECK(head + tail >= old.size() || endedLast);
    }

    FUZZ_CHECK(IniFile::write(path, section, key, value));
    FUZZ_CHECK(contentOf(path) == written);

    checkAddMissing(path, written);
    return 0;
}

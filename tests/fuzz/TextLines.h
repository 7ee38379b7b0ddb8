#pragma once
// A text file's lines as a writer that keeps every other line must give
// them back: each with its own end, and whether a byte-order mark leads.
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

struct Line {
    std::string text; // without its end
    std::string end;  // "\n", "\r\n"; for a last line without a line feed "\r" or ""
    bool operator==(const Line&) const = default;
    bool ended() const { return end.find('\n') != std::string::npos; }
};

struct TextLines {
    bool bom = false;
    std::vector<Line> lines;
};

inline TextLines linesOf(std::string_view s) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    TextLines t;
    t.bom = s.substr(0, kBom.size()) == kBom;
    if (t.bom) s.remove_prefix(kBom.size());
    while (!s.empty()) {
        const std::size_t lf = s.find('\n');
        const bool last = lf == std::string_view::npos;
        Line l{std::string(s.substr(0, lf)), last ? "" : "\n"};
        if (!l.text.empty() && l.text.back() == '\r') {
            l.text.pop_back();
            l.end.insert(0, "\r");
        }
        t.lines.push_back(std::move(l));
        s.remove_prefix(last ? s.size() : lf + 1);
    }
    return t;
}

// Whether `after` is `before`, a last line without a line feed, as a writer
// leaves it when it adds a line after it: its bytes stay, and a line end
// ("\n" or "\r\n") completes it.
inline bool gainedLineEnd(const Line& before, const Line& after) {
    return !before.ended() && after.ended() && after.text == before.text && after.end.starts_with(before.end);
}

} // namespace fuzz

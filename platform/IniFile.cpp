#include "platform/IniFile.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string_view>
#include <vector>

namespace platform {
namespace {

using std::string_view;

string_view trimmed(string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

bool sameName(string_view a, string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A line keeps its own end, so that a write gives back every other line
// byte for byte, whatever mix of ends the file has.
struct Line {
    std::string text; // without its line end
    std::string end;  // "\n", "\r\n"; "\r" or empty for a last line without a line feed
};

struct Parsed {
    std::vector<Line> lines;
    bool bom = false;
};

constexpr string_view kBom = "\xEF\xBB\xBF";

// Calls visit(text, end) for each line of the content after its byte-order
// mark, the text without its line end, until visit returns false.
template <class Visit> void forEachLine(string_view s, Visit&& visit) {
    if (s.substr(0, kBom.size()) == kBom) s.remove_prefix(kBom.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t nl = s.find('\n', pos);
        const bool last = nl == string_view::npos;
        string_view text = s.substr(pos, last ? string_view::npos : nl - pos);
        string_view end = last ? "" : "\n";
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
            end = last ? "\r" : "\r\n";
        }
        if (!visit(text, end) || last) return;
        pos = nl + 1;
    }
}

Parsed parse(string_view content) {
    Parsed p;
    p.bom = content.substr(0, kBom.size()) == kBom;
    forEachLine(content, [&p](string_view text, string_view end) {
        p.lines.push_back({std::string(text), std::string(end)});
        return true;
    });
    return p;
}

// Inserts a line before position `at`; it takes the end of the line before
// it. A last line without a line feed first gets one, so the new line
// starts a line of its own.
void insertLine(Parsed& p, std::size_t at, const std::string& text) {
    std::string eol = "\n";
    for (std::size_t i = at; i-- > 0;)
        if (p.lines[i].end.find('\n') != std::string::npos) {
            eol = p.lines[i].end;
            break;
        }
    if (at > 0) {
        std::string& before = p.lines[at - 1].end;
        if (before.find('\n') == std::string::npos) before = before.empty() ? eol : before + "\n";
        eol = before;
    }
    p.lines.insert(p.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{text, eol});
}

// The section name of a header line, or nullopt.
std::optional<string_view> sectionOf(string_view line) {
    string_view t = trimmed(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    auto close = t.find(']');
    if (close == string_view::npos) return std::nullopt;
    return trimmed(t.substr(1, close - 1));
}

// The key and raw value of a key line, or nullopt for comments and others.
std::optional<std::pair<string_view, string_view>> keyOf(string_view line) {
    string_view t = trimmed(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    auto eq = t.find('=');
    if (eq == string_view::npos) return std::nullopt;
    return std::make_pair(trimmed(t.substr(0, eq)), trimmed(t.substr(eq + 1)));
}

std::string unquote(string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

int unitsOf(unsigned char lead) {
    return lead < 0x80 ? 1 : 2;
}

std::size_t charLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

IoResult load(const std::string& path, Parsed& p) {
    std::string content;
    if (fileExists(path)) {
        if (IoResult r = readTextFile(path, content); !r) return r;
    } else if (isDirectory(path)) {
        return IoResult::failure(IoProblem::IsFolder, path);
    }
    p = parse(content);
    return {};
}

// Every line keeps its own bytes, its end included.
IoResult store(const std::string& path, const Parsed& p) {
    std::string out = p.bom ? std::string(kBom) : "";
    for (const Line& l : p.lines) out += l.text + l.end;
    return writeFileAtomic(path, out);
}

std::string lowerCased(string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::string cutToUnits(const std::string& text, int units) {
    std::string out;
    int used = 0;
    for (std::size_t i = 0; i < text.size();) {
        auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len = std::min(charLength(lead), text.size() - i);
        int u = unitsOf(lead);
        if (used + u > units) break;
        out.append(text, i, len);
        used += u;
        i += len;
    }
    return out;
}

std::optional<std::string> IniFile::lookup(const std::string& path, const std::string& section,
                                           const std::string& key) {
    std::string content;
    if (!readTextFile(path, content)) return std::nullopt;
    // The first match counts: reading stops there.
    std::optional<std::string> found;
    bool inSection = false;
    forEachLine(content, [&](string_view text, string_view) {
        if (auto s = sectionOf(text)) {
            inSection = sameName(*s, section);
        } else if (auto kv = keyOf(text); inSection && kv && sameName(kv->first, key)) {
            found = unquote(kv->second);
            return false;
        }
        return true;
    });
    return found;
}

std::string IniFile::read(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& defaultValue, int size) {
    if (size <= 0) return {};
    std::optional<std::string> v = lookup(path, section, key);
    // The platform drops trailing blanks of a default it hands back.
    std::string value = v ? *v : std::string(trimmed(defaultValue));
    return cutToUnits(value, size - 1);
}

IoResult IniFile::write(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
    const RewriteLock lock(path);
    Parsed p;
    if (IoResult r = load(path, p); !r) return r;

    // Find the first matching section, the key inside it, and its last entry line.
    std::optional<std::size_t> sectionLine, keyLine, lastEntry;
    bool inSection = false;
    for (std::size_t i = 0; i < p.lines.size(); ++i) {
        const std::string& text = p.lines[i].text;
        if (auto s = sectionOf(text)) {
            if (inSection) break; // only the first matching section counts
            inSection = sameName(*s, section);
            if (inSection) sectionLine = i, lastEntry = i;
            continue;
        }
        if (!inSection) continue;
        if (!trimmed(text).empty()) lastEntry = i;
        if (auto kv = keyOf(text); kv && sameName(kv->first, key)) {
            keyLine = i;
            break;
        }
    }

    if (keyLine) {
        // Keep the stored spelling of the key and its leading blanks.
        const std::string& old = p.lines[*keyLine].text;
        std::size_t lead = old.find_first_not_of(" \t");
        std::string replaced = old.substr(0, lead) + std::string(keyOf(old)->first) + "=" + value;
        // A write that would give the same bytes leaves the file alone.
        if (replaced == old) return {};
        p.lines[*keyLine].text = replaced;
    } else if (sectionLine) {
        insertLine(p, *lastEntry + 1, key + "=" + value);
    } else {
        insertLine(p, p.lines.size(), "[" + section + "]");
        insertLine(p, p.lines.size(), key + "=" + value);
    }
    return store(path, p);
}

IoResult IniFile::writeSection(const std::string& path, const std::string& section,
                               const std::vector<std::pair<std::string, std::string>>& entries) {
    const RewriteLock lock(path);
    Parsed p;
    if (IoResult r = load(path, p); !r) return r;
    std::optional<std::size_t> header;
    for (std::size_t i = 0; i < p.lines.size() && !header; ++i)
        if (auto s = sectionOf(p.lines[i].text); s && sameName(*s, section)) header = i;
    std::size_t at;
    if (!header) {
        insertLine(p, p.lines.size(), "[" + section + "]");
        at = p.lines.size();
    } else {
        std::size_t end = *header + 1;
        while (end < p.lines.size() && !sectionOf(p.lines[end].text)) ++end;
        // Blank lines that part this section from the next one stay.
        std::size_t keepFrom = end;
        if (end < p.lines.size())
            while (keepFrom > *header + 1 && trimmed(p.lines[keepFrom - 1].text).empty()) --keepFrom;
        p.lines.erase(p.lines.begin() + static_cast<std::ptrdiff_t>(*header + 1),
                      p.lines.begin() + static_cast<std::ptrdiff_t>(keepFrom));
        at = *header + 1;
    }
    for (const auto& [key, value] : entries) insertLine(p, at++, key + "=" + value);
    return store(path, p);
}

IoResult IniFile::addMissing(const std::string& path, std::string_view from,
                             std::vector<IniAddition>& added) {
    added.clear();
    // The sections of `from` in order, each with its first line of every key.
    struct Wanted {
        std::string header;
        std::string name;
        std::vector<std::pair<std::string, std::string>> lines; // key, line
    };
    std::vector<Wanted> wanted;
    std::optional<std::size_t> current;
    forEachLine(from, [&](string_view text, string_view) {
        if (auto s = sectionOf(text)) {
            auto same = std::find_if(wanted.begin(), wanted.end(),
                                     [&](const Wanted& w) { return sameName(w.name, *s); });
            current = static_cast<std::size_t>(same - wanted.begin());
            if (same == wanted.end()) wanted.push_back({std::string(text), std::string(*s), {}});
        } else if (auto kv = keyOf(text); kv && current) {
            auto& lines = wanted[*current].lines;
            const bool known = std::any_of(lines.begin(), lines.end(),
                                           [&](const auto& l) { return sameName(l.first, kv->first); });
            if (!known) lines.emplace_back(std::string(kv->first), std::string(text));
        }
        return true;
    });

    // Read under the lock, so that what another instance added meanwhile
    // counts as present.
    const RewriteLock lock(path);
    Parsed p;
    if (IoResult r = load(path, p); !r) return r;
    for (const Wanted& w : wanted) {
        std::set<std::string> present;
        std::optional<std::size_t> lastEntry; // in the first section of the name
        bool inSection = false, firstDone = false;
        for (std::size_t i = 0; i < p.lines.size(); ++i) {
            const std::string& text = p.lines[i].text;
            if (auto s = sectionOf(text)) {
                if (inSection) firstDone = true;
                inSection = sameName(*s, w.name);
                if (inSection && !firstDone) lastEntry = i;
            } else if (inSection) {
                if (!firstDone && !trimmed(text).empty()) lastEntry = i;
                if (auto kv = keyOf(text)) present.insert(lowerCased(kv->first));
            }
        }
        IniAddition a{w.name, {}};
        std::size_t at = lastEntry ? *lastEntry + 1 : p.lines.size();
        for (const auto& [key, line] : w.lines) {
            if (present.count(lowerCased(key))) continue;
            if (a.keys.empty() && !lastEntry) {
                if (!p.lines.empty() && !trimmed(p.lines.back().text).empty()) insertLine(p, at++, "");
                insertLine(p, at++, w.header);
            }
            insertLine(p, at++, line);
            a.keys.push_back(key);
        }
        if (!a.keys.empty()) added.push_back(std::move(a));
    }
    if (added.empty()) return {};
    IoResult r = store(path, p);
    if (!r) added.clear();
    return r;
}

IniSection::IniSection(const std::string& path, const std::string& section) {
    std::string content;
    if (!readTextFile(path, content)) return;
    bool inSection = false;
    forEachLine(content, [&](string_view text, string_view) {
        if (auto s = sectionOf(text))
            inSection = sameName(*s, section);
        else if (auto kv = keyOf(text); inSection && kv)
            values_.emplace(lowerCased(kv->first), unquote(kv->second));
        return true;
    });
}

std::string IniSection::read(const std::string& key, const std::string& defaultValue, int size) const {
    if (size <= 0) return {};
    auto it = values_.find(lowerCased(key));
    return cutToUnits(it != values_.end() ? it->second : std::string(trimmed(defaultValue)), size - 1);
}

} // namespace platform

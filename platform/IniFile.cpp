#include "platform/IniFile.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace platform {
namespace {

std::string trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

struct Line {
    std::string text; // without its line end
    std::string eol;  // its own line end: "\n", "\r\n", or none on a last line
};

struct Parsed {
    std::vector<Line> lines;
    bool bom = false;
};

Parsed parse(const std::string& content) {
    Parsed p;
    std::string s = content;
    if (s.size() >= 3 && static_cast<unsigned char>(s[0]) == 0xEF &&
        static_cast<unsigned char>(s[1]) == 0xBB && static_cast<unsigned char>(s[2]) == 0xBF) {
        p.bom = true;
        s.erase(0, 3);
    }
    std::size_t pos = 0;
    while (pos < s.size()) {
        auto nl = s.find('\n', pos);
        if (nl == std::string::npos) {
            p.lines.push_back({s.substr(pos), ""});
            break;
        }
        Line line{s.substr(pos, nl - pos), "\n"};
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.eol = "\r\n";
        }
        p.lines.push_back(std::move(line));
        pos = nl + 1;
    }
    return p;
}

// Inserts a line before position `at`. It takes the ending of the line
// before it (the nearest earlier one that has an ending); a last line
// without an ending gets that ending too, so the new line starts a line.
void insertLine(Parsed& p, std::size_t at, const std::string& text) {
    std::string eol = "\n";
    for (std::size_t i = at; i-- > 0;) {
        if (!p.lines[i].eol.empty()) {
            eol = p.lines[i].eol;
            break;
        }
    }
    if (at > 0 && p.lines[at - 1].eol.empty()) p.lines[at - 1].eol = eol;
    p.lines.insert(p.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{text, eol});
}

// The section name of a header line, or nullopt.
std::optional<std::string> sectionOf(const std::string& line) {
    std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    auto close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return trim(t.substr(1, close - 1));
}

// The key and raw value of a key line, or nullopt for comments and others.
std::optional<std::pair<std::string, std::string>> keyOf(const std::string& line) {
    std::string t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    auto eq = t.find('=');
    if (eq == std::string::npos) return std::nullopt;
    return std::make_pair(trim(t.substr(0, eq)), trim(t.substr(eq + 1)));
}

std::string unquote(const std::string& v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
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

// Every line keeps its own bytes, its ending included.
IoResult store(const std::string& path, const Parsed& p) {
    std::string out = p.bom ? "\xEF\xBB\xBF" : "";
    for (const Line& l : p.lines) out += l.text + l.eol;
    return writeFileAtomic(path, out);
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
    Parsed p = parse(content);
    bool inSection = false;
    for (const Line& l : p.lines) {
        if (auto s = sectionOf(l.text)) {
            inSection = sameName(*s, section);
            continue;
        }
        if (!inSection) continue;
        if (auto kv = keyOf(l.text); kv && sameName(kv->first, key)) return unquote(kv->second);
    }
    return std::nullopt;
}

std::string IniFile::read(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& defaultValue, int size) {
    if (size <= 0) return {};
    std::optional<std::string> v = lookup(path, section, key);
    // The platform drops trailing blanks of a default it hands back.
    std::string value = v ? *v : trim(defaultValue);
    return cutToUnits(value, size - 1);
}

namespace {

std::string lowerCased(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

IniSection::IniSection(const std::string& path, const std::string& section) {
    std::string content;
    if (!readTextFile(path, content)) return;
    bool inSection = false;
    for (const Line& l : parse(content).lines) {
        if (auto s = sectionOf(l.text)) {
            inSection = sameName(*s, section);
            continue;
        }
        if (!inSection) continue;
        if (auto kv = keyOf(l.text)) values_.emplace(lowerCased(kv->first), unquote(kv->second));
    }
}

std::string IniSection::read(const std::string& key, const std::string& defaultValue, int size) const {
    if (size <= 0) return {};
    auto it = values_.find(lowerCased(key));
    return cutToUnits(it != values_.end() ? it->second : trim(defaultValue), size - 1);
}

IoResult IniFile::write(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
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
        if (!trim(text).empty()) lastEntry = i;
        if (auto kv = keyOf(text); kv && sameName(kv->first, key)) {
            keyLine = i;
            break;
        }
    }

    if (keyLine) {
        // Keep the stored spelling of the key and its leading blanks.
        const std::string& old = p.lines[*keyLine].text;
        std::size_t lead = old.find_first_not_of(" \t");
        std::string storedKey = keyOf(old)->first;
        p.lines[*keyLine].text = old.substr(0, lead) + storedKey + "=" + value;
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
            while (keepFrom > *header + 1 && trim(p.lines[keepFrom - 1].text).empty()) --keepFrom;
        p.lines.erase(p.lines.begin() + static_cast<std::ptrdiff_t>(*header + 1),
                      p.lines.begin() + static_cast<std::ptrdiff_t>(keepFrom));
        at = *header + 1;
    }
    for (const auto& [key, value] : entries) insertLine(p, at++, key + "=" + value);
    return store(path, p);
}

} // namespace platform

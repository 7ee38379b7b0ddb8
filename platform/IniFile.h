#pragma once
// INI text files with the semantics the program's settings rely on:
// sections and keys match without regard to letter case, values are
// trimmed, a missing file, section or key gives the caller's default, and a
// write creates what is missing and keeps every other line byte for byte,
// its line end included (a new line takes the end of the line before it).
#include "platform/FileIo.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// A section and the keys IniFile::addMissing added to it, in the order of
// the text they came from.
struct IniAddition {
    std::string section;
    std::vector<std::string> keys;
};

class IniFile {
  public:
    // The stored value, trimmed (and without one pair of enclosing quotes);
    // nullopt when the file, the section or the key is missing.
    static std::optional<std::string> lookup(const std::string& path, const std::string& section,
                                             const std::string& key);

    // As the private-profile read: the value or the default, cut to at most
    // size - 1 units, where a character outside ASCII counts as two (as in
    // the two-byte code page the limits were made for) and is never split.
    static std::string read(const std::string& path, const std::string& section, const std::string& key,
                            const std::string& defaultValue, int size);

    // Creates or replaces key=value; the file is rewritten atomically. The
    // writes of all instances hold a RewriteLock from the read to the
    // rename, so that none loses another's key.
    static IoResult write(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& value);

    // Replaces everything the first matching section holds (or appends the
    // section) with key=value lines, written as given; the rest of the file
    // stays as it was. One atomic rewrite.
    static IoResult writeSection(const std::string& path, const std::string& section,
                                 const std::vector<std::pair<std::string, std::string>>& entries);

    // Adds every key of the INI text `from` that the file lacks (a key of any
    // section of the same name counts), each as the line `from` writes it:
    // after the last entry of the file's first section of that name, or in
    // a new section at the end, parted from what comes before by a blank
    // line. Every line of the file stays byte for byte. One atomic rewrite
    // under the RewriteLock, none when nothing lacks; `added` says what the
    // file was given (nothing when the rewrite failed).
    static IoResult addMissing(const std::string& path, std::string_view from,
                               std::vector<IniAddition>& added);
};

// One section read at once, for a reader of many keys of one file: its read
// gives what IniFile::read gives for the same key, without reading the file
// again for each key.
class IniSection {
  public:
    IniSection(const std::string& path, const std::string& section);
    std::string read(const std::string& key, const std::string& defaultValue, int size) const;
    // True when the file holds no key in the section.
    bool empty() const { return values_.empty(); }

  private:
    std::map<std::string, std::string> values_; // lower-cased key, first entry's value
};

// Cuts a text to at most `units` units (non-ASCII characters count two).
std::string cutToUnits(const std::string& text, int units);

} // namespace platform

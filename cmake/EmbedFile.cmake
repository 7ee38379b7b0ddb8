# Writes a C++ source that holds a file's bytes, so that the program carries
# the file it also lays beside itself and the two never differ. Run as
#   cmake -DIN=<file> -DOUT=<source> -DFUNCTION=<ns::name> -P EmbedFile.cmake
# The source defines `std::string_view <ns::name>()`, the file's bytes.
file(READ "${IN}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
string(REGEX MATCH "^(.*)::([^:]+)$" _ "${FUNCTION}")
set(ns "${CMAKE_MATCH_1}")
set(name "${CMAKE_MATCH_2}")
get_filename_component(shown "${IN}" NAME)
file(WRITE "${OUT}.new"
"// Written at build time from ${shown}; do not edit.
#include <string_view>

namespace ${ns} {
namespace {
// The bytes, then one zero so that an empty file still makes an array.
constexpr unsigned char kBytes[] = {
    ${bytes}0};
} // namespace

std::string_view ${name}() {
    return {reinterpret_cast<const char*>(kBytes), sizeof kBytes - 1};
}

} // namespace ${ns}
")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")

#include "platform/Numbers.h"

#include "platform/Failure.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view t) {
    while (!t.empty() && isBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back())) t.remove_suffix(1);
    return t;
}

std::optional<double> parseRadix(std::string_view digits, int radix) {
    if (digits.empty() || digits.size() > 16) return std::nullopt;
    std::uint64_t v = 0;
    for (char c : digits) {
        int d = hexDigit(c);
        if (d < 0 || d >= radix) return std::nullopt;
        v = v * radix + d;
    }
    // &H literals of up to four digits are 16-bit, up to eight 32-bit: both signed.
    if (radix == 16 && digits.size() <= 4) return static_cast<double>(static_cast<std::int16_t>(v));
    if (digits.size() <= 8 || radix == 8) return static_cast<double>(static_cast<std::int32_t>(v));
    return std::nullopt;
}

} // namespace

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<double> parseNumber(std::string_view text) {
    std::string_view t = trimBlanks(text);
    if (t.size() > 2 && t[0] == '&') {
        char k = static_cast<char>(std::toupper(static_cast<unsigned char>(t[1])));
        if (k == 'H') return parseRadix(t.substr(2), 16);
        if (k == 'O') return parseRadix(t.substr(2), 8);
        return std::nullopt;
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negative = t[i] == '-';
        ++i;
        while (i < t.size() && isBlank(t[i])) ++i;
    }
    std::string body;
    bool digits = false;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) body += t[i++], digits = true;
    if (i < t.size() && t[i] == '.') {
        body += t[i++];
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) body += t[i++], digits = true;
    }
    if (!digits) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) exp += t[j++];
        bool expDigits = false;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j])))
            exp += t[j++], expDigits = true;
        if (!expDigits) return std::nullopt;
        body += exp;
        i = j;
    }
    if (i != t.size()) return std::nullopt;
    double v = 0;
    auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), v);
    if (ec == std::errc::result_out_of_range || ptr != body.data() + body.size()) return std::nullopt;
    return negative ? -v : v;
}

bool isNumeric(std::string_view text) {
    return parseNumber(text).has_value();
}

double roundHalfEven(double value) {
    double r = std::nearbyint(value); // default rounding mode is to nearest, ties to even
    return r;
}

double toDouble(std::string_view text) {
    auto v = parseNumber(text);
    if (!v) throw Failure("Type mismatch: \"" + std::string(text) + "\"");
    return *v;
}

std::optional<std::int32_t> roundedNumber(double value, double lo, double hi) {
    const double r = roundHalfEven(value);
    if (!(r >= lo && r <= hi)) return std::nullopt; // NaN too
    return static_cast<std::int32_t>(r);
}

std::optional<std::int32_t> roundedNumber(std::string_view text, double lo, double hi) {
    const std::optional<double> v = parseNumber(text);
    if (!v) return std::nullopt;
    return roundedNumber(*v, lo, hi);
}

namespace {

template <class T> T rounded(double value) {
    const std::optional<std::int32_t> r =
        roundedNumber(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
    if (!r) throw Failure("Overflow");
    return static_cast<T>(*r);
}

} // namespace

std::int32_t toInt32(double value) {
    return rounded<std::int32_t>(value);
}

std::int16_t toInt16(double value) {
    return rounded<std::int16_t>(value);
}

std::int32_t toInt32(std::string_view text) {
    return toInt32(toDouble(text));
}
std::int16_t toInt16(std::string_view text) {
    return toInt16(toDouble(text));
}

std::uint8_t toByte(std::string_view text) {
    return rounded<std::uint8_t>(toDouble(text));
}

std::optional<std::int32_t> wholeNumber(std::string_view text, double lo, double hi) {
    std::optional<double> v = parseNumber(text);
    if (!v || *v != std::floor(*v) || *v < lo || *v > hi) return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

int hexPrefixValue(std::string_view text) {
    constexpr int top = std::numeric_limits<int>::max();
    int v = 0;
    for (char c : text) {
        int d = hexDigit(c);
        if (d < 0) break;
        // A value past int's range stays at the largest int.
        if (v > (top - d) / 16) return top;
        v = v * 16 + d;
    }
    return v;
}

double leadingValue(std::string_view text) {
    std::string compact;
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && (isBlank(text[i]) || text[i] == '\n' || text[i] == '\r')) ++i;
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) compact += text[i++];
    bool point = false, exp = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isBlank(c)) continue;
        if (std::isdigit(static_cast<unsigned char>(c)))
            compact += c;
        else if (c == '.' && !point && !exp)
            compact += c, point = true;
        else if ((c == 'e' || c == 'E') && !exp) {
            compact += 'e';
            exp = true;
            if (i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')) compact += text[++i];
        } else
            break;
    }
    // Drop a dangling exponent or sign so the prefix still parses.
    while (!compact.empty() && (compact.back() == 'e' || compact.back() == '+' || compact.back() == '-'))
        compact.pop_back();
    auto v = parseNumber(compact);
    return v ? *v : 0.0;
}

} // namespace platform

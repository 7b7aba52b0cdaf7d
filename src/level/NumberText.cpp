#include "level/NumberText.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t digits(std::string_view s, std::size_t at) {
    std::size_t n = 0;
    while (at + n < s.size() && isDigit(s[at + n])) ++n;
    return n;
}

}  // namespace

bool isPlainDecimal(std::string_view token) {
    std::size_t at = !token.empty() && token[0] == '-' ? 1 : 0;
    std::size_t whole = digits(token, at);
    if (whole == 0) return false;
    at += whole;
    if (at < token.size() && token[at] == '.') at += 1 + digits(token, at + 1);
    if (at < token.size() && (token[at] == 'e' || token[at] == 'E')) {
        ++at;
        if (at < token.size() && (token[at] == '-' || token[at] == '+')) ++at;
        std::size_t exponent = digits(token, at);
        // Beyond two digits a float is zero or infinite.
        if (exponent == 0 || exponent > 2) return false;
        at += exponent;
    }
    return at == token.size() && isFiniteNumber(token);
}

bool isHexColour(std::string_view token) {
    if (token.empty() || token.size() > 8) return false;
    for (char c : token)
        if (!isDigit(c) && !((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

bool readCount(std::string_view token, long& value) {
    if (token.empty() || token.size() > 9 || digits(token, 0) != token.size()) return false;
    value = std::stol(std::string(token));
    return true;
}

bool isFiniteNumber(std::string_view token) {
    std::string text(token);
    const char* begin = text.c_str();
    char* end = nullptr;
    // As a float, which is what Irrlicht reads: "1e39" is a finite double but an infinite float.
    float value = std::strtof(begin, &end);
    if (end == begin) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0' && std::isfinite(value);
}

#include "level/ConsoleText.h"

#include <cstdio>

namespace {

const std::size_t kLongestName = 64;  // bytes

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Bytes in the UTF-8 sequence that starts at `at`, or 0 when none starts there. C1 controls
// (U+0080 to U+009F) count as none: some terminals act on them.
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (lead > 0xF4 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if (!isContinuation(static_cast<unsigned char>(text[at + i]))) return 0;
    if (lead == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) return 0;
    return length;
}

void appendEscaped(std::string& out, unsigned char c) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
    out += escaped;
}

}  // namespace

std::string oneLine(std::string_view text, std::size_t longest) {
    std::string_view kept = text.substr(0, longest);
    std::string line;
    line.reserve(kept.size());
    for (std::size_t at = 0; at < kept.size();) {
        const unsigned char c = static_cast<unsigned char>(kept[at]);
        if (c >= ' ' && c < 0x7F) {
            line += static_cast<char>(c);
            ++at;
        } else if (std::size_t length = c >= 0x80 ? sequenceLength(kept, at) : 0) {
            line.append(kept.substr(at, length));
            at += length;
        } else {
            appendEscaped(line, c);
            ++at;
        }
    }
    if (text.size() > longest) line += "...";
    return line;
}

std::string shownName(std::string_view name) { return oneLine(name, kLongestName); }

#include "cli/text/input_excerpt.h"

#include <cstdint>

#include "cli/text/text_decoding.h"

namespace {

constexpr int MostCodePointsShown = 40;

void appendEscape(std::string& out, const char* prefix, uint32_t value) {
    static const char Hex[] = "0123456789abcdef";
    out += prefix;
    out += Hex[(value >> 4) & 0xF];
    out += Hex[value & 0xF];
}

} // namespace

std::string inputExcerpt(std::string_view text) {
    std::string shown;
    std::size_t at = 0;
    for (int codePoints = 0; at < text.size(); ++codePoints) {
        if (codePoints == MostCodePointsShown) return shown + "\xE2\x80\xA6"; // …
        const std::size_t start = at;
        const long codePoint = nextCodePoint(text, at); // -1, one byte on: not UTF-8
        if (codePoint < 0)
            appendEscape(shown, "\\x", static_cast<uint8_t>(text[start]));
        else if (codePoint < 0x20 || codePoint == 0x7F)
            appendEscape(shown, "\\x", static_cast<uint32_t>(codePoint));
        else if (codePoint >= 0x80 && codePoint <= 0x9F)
            appendEscape(shown, "\\u00", static_cast<uint32_t>(codePoint));
        else
            shown.append(text.substr(start, at - start));
    }
    return shown;
}

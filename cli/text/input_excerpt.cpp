#include "cli/text/input_excerpt.h"

#include <cstdint>

#include "catalogue/utf8.h"
#include "cli/text/text_spaces.h"

namespace {

void appendEscape(std::string& out, const char* prefix, uint32_t value, int digits) {
    static const char Hex[] = "0123456789abcdef";
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += Hex[(value >> shift) & 0xF];
}

} // namespace

std::string inputExcerpt(std::string_view text, std::size_t mostCodePoints) {
    std::string shown;
    std::size_t at = 0;
    for (std::size_t codePoints = 0; at < text.size(); ++codePoints) {
        if (codePoints == mostCodePoints) return shown + "\xE2\x80\xA6"; // …
        const std::size_t start = at;
        const long codePoint = nextCodePoint(text, at); // -1, one byte on: not UTF-8
        const auto value = static_cast<uint32_t>(codePoint);
        if (codePoint < 0)
            appendEscape(shown, "\\x", static_cast<uint8_t>(text[start]), 2);
        else if (!isEscapedCodePoint(codePoint))
            shown.append(text.substr(start, at - start));
        else if (codePoint < 0x80)
            appendEscape(shown, "\\x", value, 2);
        else if (codePoint < 0x10000)
            appendEscape(shown, "\\u", value, 4);
        else
            appendEscape(shown, "\\U", value, 8);
    }
    return shown;
}

#include "cli/input_excerpt.h"

#include <cstdint>

namespace {

constexpr int MostCodePointsShown = 40;

// The length of the UTF-8 sequence at the start of `text`, with its code point; 0 when
// it is not a valid one (overlong, a surrogate, beyond U+10FFFF, cut short).
std::size_t decodeUtf8(std::string_view text, uint32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(0);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length;
    uint32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, least = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, least = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, least = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    if (codePoint < least || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

void appendEscape(std::string& out, const char* prefix, uint32_t value) {
    static const char Hex[] = "0123456789abcdef";
    out += prefix;
    out += Hex[(value >> 4) & 0xF];
    out += Hex[value & 0xF];
}

} // namespace

std::string inputExcerpt(std::string_view text) {
    std::string shown;
    for (int codePoints = 0; !text.empty(); ++codePoints) {
        if (codePoints == MostCodePointsShown) return shown + "\xE2\x80\xA6"; // …
        uint32_t codePoint = 0;
        const std::size_t length = decodeUtf8(text, codePoint);
        if (length == 0)
            appendEscape(shown, "\\x", static_cast<uint8_t>(text.front()));
        else if (codePoint < 0x20 || codePoint == 0x7F)
            appendEscape(shown, "\\x", codePoint);
        else if (codePoint >= 0x80 && codePoint <= 0x9F)
            appendEscape(shown, "\\u00", codePoint);
        else
            shown.append(text.substr(0, length));
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return shown;
}

#include "cli/utf8_text.h"

#include "catalogue/windows1252.h"

namespace {

// Decodes one character at `at`, moving past it; false for a malformed sequence.
bool decodeOne(std::string_view utf8, std::size_t& at, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(at);
    int length = lead < 0x80         ? 1
                 : (lead >> 5) == 6  ? 2
                 : (lead >> 4) == 14 ? 3
                 : (lead >> 3) == 30 ? 4
                                     : 0;
    if (length == 0 || at + length > utf8.size()) return false;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return false;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    constexpr char32_t Least[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < Least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    at += length;
    return true;
}

} // namespace

bool validUtf8(std::string_view utf8) {
    char32_t code;
    for (std::size_t at = 0; at < utf8.size();)
        if (!decodeOne(utf8, at, code)) return false;
    return true;
}

bool utf8ToWindows1252(std::string_view utf8, std::string& windows1252) {
    std::u16string utf16;
    char32_t code;
    for (std::size_t at = 0; at < utf8.size();) {
        if (!decodeOne(utf8, at, code) || code > 0xFFFF) return false;
        utf16 += static_cast<char16_t>(code);
    }
    return utf16ToWindows1252(utf16, windows1252);
}

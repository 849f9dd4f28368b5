#include "catalogue/windows1252.h"

#include "catalogue/utf8.h"

namespace {

// The code points of 0x80..0x9F, printable characters but for the five the code page
// leaves undefined; the rest of the code page equals Unicode's first 256 code points.
constexpr char16_t CodePoints80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The base letter of each of 0xC0..0xFF, lower case; 0 where there is none.
constexpr char AccentBase[65] = "aaaaaaaceeeeiiii"    // C0..CF
                                "dnooooo\0ouuuuy\0s"  // D0..DF: x and thorn have none
                                "aaaaaaaceeeeiiii"    // E0..EF
                                "dnooooo\0ouuuuy\0y"; // F0..FF

char foldByte(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte - 'A' + 'a');
    if (byte >= 0xC0 && AccentBase[byte - 0xC0] != '\0') return AccentBase[byte - 0xC0];
    if (byte == 0x8A || byte == 0x9A) return 's';
    if (byte == 0x8E || byte == 0x9E) return 'z';
    if (byte == 0x9F) return 'y';
    // Œ and Þ have no base letter, but their case is ignored too.
    if (byte == 0x8C) return '\x9C';
    if (byte == 0xDE) return '\xFE';
    return static_cast<char>(byte);
}

} // namespace

char16_t windows1252ToCodePoint(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? CodePoints80To9F[byte - 0x80] : char16_t(byte);
}

std::u16string windows1252ToUtf16(std::string_view text) {
    std::u16string utf16;
    utf16.reserve(text.size());
    for (const char c : text)
        utf16 += windows1252ToCodePoint(static_cast<unsigned char>(c));
    return utf16;
}

std::string windows1252ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 4);
    for (const char c : text)
        appendUtf8(utf8, windows1252ToCodePoint(static_cast<unsigned char>(c)));
    return utf8;
}

bool utf16ToWindows1252(std::u16string_view utf16, std::string& text) {
    text.clear();
    text.reserve(utf16.size());
    for (const char16_t unit : utf16) {
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            text += static_cast<char>(unit);
            continue;
        }
        int found = -1;
        for (int i = 0; i < 32 && found < 0; ++i)
            if (CodePoints80To9F[i] == unit) found = i;
        if (found < 0) return false;
        text += static_cast<char>(0x80 + found);
    }
    return true;
}

std::string foldName(std::string_view name) {
    const std::size_t end = name.find_last_not_of(' ');
    name = end == std::string_view::npos ? std::string_view() : name.substr(0, end + 1);
    std::string folded;
    folded.reserve(name.size());
    for (const char c : name)
        if (c != '-' && c != '\'' && c != '\x91' && c != '\x92') // ' and its curly forms
            folded += foldByte(static_cast<unsigned char>(c));
    return folded;
}

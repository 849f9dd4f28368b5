#pragma once
// The program's one UTF-8 encoder and decoder, and UTF-16 through them: every text the
// program shows or reads outside the catalogue is UTF-8 (Windows paths and console
// text are UTF-16).
#include <cstddef>
#include <string>
#include <string_view>

constexpr char32_t ReplacementCharacter = 0xFFFD;

// Any code point up to U+10FFFF as UTF-8: written at `out` (room for four bytes),
// giving the count of bytes; or appended.
std::size_t writeUtf8(char32_t codePoint, char* out);
void appendUtf8(std::string& out, char32_t codePoint);

// The code point that starts at `at`, moving `at` past it; -1, one byte on, for a
// byte that starts no valid sequence (overlong forms and surrogates included).
long nextCodePoint(std::string_view text, std::size_t& at);

bool isValidUtf8(std::string_view text);

// UTF-16 units as UTF-8, appended; an unpaired surrogate becomes U+FFFD. `unitAt(i)`
// gives unit i of `count`, so any byte order or unit type reads without a copy.
template <typename UnitAt>
void appendUtf16AsUtf8(std::string& out, std::size_t count, UnitAt unitAt) {
    for (std::size_t at = 0; at < count; ++at) {
        char32_t unit = static_cast<char32_t>(unitAt(at));
        if (unit >= 0xD800 && unit < 0xDC00 && at + 1 < count) {
            const char32_t low = static_cast<char32_t>(unitAt(at + 1));
            if (low >= 0xDC00 && low < 0xE000) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++at;
                continue;
            }
        }
        if (unit >= 0xD800 && unit < 0xE000) unit = ReplacementCharacter; // an unpaired half
        appendUtf8(out, unit);
    }
}

// UTF-8 as UTF-16 units appended to `out` (std::u16string, or std::wstring on Windows).
// Strict, a byte that is not UTF-8 makes it false (a path is refused, not guessed at);
// else such a byte becomes U+FFFD.
template <typename Units> bool appendUtf8AsUtf16(Units& out, std::string_view utf8, bool strict) {
    using Unit = typename Units::value_type;
    for (std::size_t at = 0; at < utf8.size();) {
        long codePoint = nextCodePoint(utf8, at);
        if (codePoint < 0) {
            if (strict) return false;
            codePoint = ReplacementCharacter;
        }
        if (codePoint < 0x10000) {
            out.push_back(static_cast<Unit>(codePoint));
            continue;
        }
        out.push_back(static_cast<Unit>(0xD800 + ((codePoint - 0x10000) >> 10)));
        out.push_back(static_cast<Unit>(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
    }
    return true;
}

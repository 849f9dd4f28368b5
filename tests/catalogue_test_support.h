#pragma once
// What the catalogue tests share: the widths of the padded fields, the accented letters with
// the letter each sorts as, and small helpers for reading and describing records.
#include "catalogue/card_record.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace cataloguetest {

inline constexpr std::size_t NameWidth = 37;
inline constexpr std::size_t ArtistWidth = 25;
inline constexpr std::size_t CodeWidth = 7;
inline constexpr std::size_t IdWidth = 5;

// The accented letters of the catalogue (Windows-1252) and the letter each sorts as.
struct Accent {
    unsigned char code;
    char base;
};
inline constexpr std::array<Accent, 15> Accents = {{
    {0xE1, 'a'}, // a acute
    {0xE2, 'a'}, // a circumflex
    {0xE4, 'a'}, // a diaeresis
    {0xE9, 'e'}, // e acute
    {0xEB, 'e'}, // e diaeresis
    {0xC9, 'e'}, // E acute
    {0xED, 'i'}, // i acute
    {0xEE, 'i'}, // i circumflex
    {0xF3, 'o'}, // o acute
    {0xF4, 'o'}, // o circumflex
    {0xD3, 'o'}, // O acute
    {0xD4, 'o'}, // O circumflex
    {0xFA, 'u'}, // u acute
    {0xFB, 'u'}, // u circumflex
    {0xDB, 'u'}, // U circumflex
}};

inline bool isAccent(unsigned char c) {
    return std::any_of(Accents.begin(), Accents.end(),
                       [c](const Accent& a) { return a.code == c; });
}

inline bool isAsciiLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline std::string trimmed(const char* s) {
    std::string r(s);
    r.erase(r.find_last_not_of(' ') + 1);
    return r;
}

inline std::string describe(int index) {
    return "card " + std::to_string(index) + " \"" + trimmed(CardCatalogue[index].name) + "\"";
}

} // namespace cataloguetest

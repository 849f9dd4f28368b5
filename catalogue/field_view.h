#pragma once
// The one reader of the catalogue's fixed-width text fields (CardRecord's and the name
// tables'): a field's bytes up to its NUL, trailing spaces included, never past the
// end of its array; and the field as shown, in UTF-8, with or without those spaces.
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "catalogue/windows1252.h"

template <std::size_t N> std::string_view fieldView(const char (&field)[N]) {
    return std::string_view(field, strnlen(field, N));
}

inline std::string trimmedUtf8(std::string_view windows1252) {
    const std::size_t end = windows1252.find_last_not_of(' ');
    return windows1252ToUtf8(windows1252.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

template <std::size_t N> std::string fieldText(const char (&field)[N]) {
    return trimmedUtf8(fieldView(field));
}

template <std::size_t N> std::string paddedText(const char (&field)[N]) {
    return windows1252ToUtf8(fieldView(field));
}

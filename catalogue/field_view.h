#pragma once
// The one reader of the catalogue's fixed-width text fields (CardRecord's and the name
// tables'): a field's bytes up to its NUL, trailing spaces included, never past the
// end of its array.
#include <cstddef>
#include <cstring>
#include <string_view>

template <std::size_t N> std::string_view fieldView(const char (&field)[N]) {
    return std::string_view(field, strnlen(field, N));
}

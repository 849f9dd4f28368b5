#pragma once
// The one way a message quotes a text from outside (a cell, a list line, a command-line
// value, a file path): escaped so that no input can steer the terminal that shows the
// message or pass for something it is not, and, but for a path, cut so that none can
// flood it. Escaped: bytes that are not UTF-8 as \xff, the C0 controls and DEL as
// \x1b, and every other character isEscapedCodePoint names as \u00a0 or \U000e0001.
#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t ExcerptCodePoints = 40; // then "…"

std::string inputExcerpt(std::string_view text, std::size_t mostCodePoints = ExcerptCodePoints);

// A file path: escaped, never cut, so that it still names the file.
inline std::string shownPath(std::string_view path) {
    return inputExcerpt(path, std::string_view::npos);
}

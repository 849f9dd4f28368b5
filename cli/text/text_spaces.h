#pragma once
// Which characters a message shows escaped, and which count as spaces: a text pasted
// from a web page or a spreadsheet brings no-break and other Unicode spaces, which
// separate and surround words as a plain space does.
#include <cstddef>
#include <string_view>

// The tab and Unicode's spaces (U+0020, U+00A0, U+1680, U+2000..U+200A, U+202F, U+205F,
// U+3000).
bool isSpaceCodePoint(long codePoint);

// Shown escaped in a message: control characters, format characters (the byte-order
// mark, zero-width space, the direction marks and overrides…), the line and paragraph
// separators and every space but U+0020: each can steer the terminal or pass for
// something it is not.
bool isEscapedCodePoint(long codePoint);

// The length in bytes of the space (as isSpaceCodePoint) that starts at `at`, or 0.
std::size_t spaceLengthAt(std::string_view text, std::size_t at);

// Without the spaces around it, as every cell, list entry and name is read.
std::string_view trimmedText(std::string_view text);

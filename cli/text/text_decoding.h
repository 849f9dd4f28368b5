#pragma once
// Text files as people's programs write them, read as UTF-8: UTF-8 with or without a
// byte-order mark, UTF-16 with one (little- or big-endian, what spreadsheet programs
// call "Unicode text"), and, for bytes that are not valid UTF-8, Windows-1252 (what
// they write as plain text on Western Windows).
#include <cstddef>
#include <string>
#include <string_view>

enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1252 };

// The text as UTF-8 without its byte-order mark. `bytes` is taken over, so a UTF-8
// file is never copied and a converted one holds at most three bytes for each of
// the file's. False, with the reason, for UTF-16 with an odd number of bytes.
bool decodeText(std::string&& bytes, std::string& text, TextEncoding& encoding,
                std::string& reason);

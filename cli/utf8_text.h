#pragma once
// Text from the command line, which arrives as UTF-8, checked and turned into the
// catalogue's Windows-1252.
#include <string>
#include <string_view>

// False for bytes that are not UTF-8 (overlong forms and surrogates included).
bool validUtf8(std::string_view utf8);

// False when `utf8` is not UTF-8 or holds a character Windows-1252 has no byte for.
bool utf8ToWindows1252(std::string_view utf8, std::string& windows1252);

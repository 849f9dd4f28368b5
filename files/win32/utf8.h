#pragma once
// Conversions between the program's UTF-8 paths and messages and the UTF-16 that
// the wide Windows functions take, through the program's one UTF-8 encoder and decoder.
#include <string>

// Strict: false when `utf8` is not valid UTF-8, so a path is refused, not guessed at.
bool widenStrict(const std::string& utf8, std::wstring& wide);
// Lenient, for texts shown to the user: invalid bytes become replacement characters.
std::wstring widen(const std::string& utf8);
std::string narrow(const wchar_t* utf16);

#pragma once
// Conversions between the program's UTF-8 paths and messages and the UTF-16 that
// the wide Windows functions take.
#include <string>

std::wstring widen(const std::string& utf8);
std::string narrow(const wchar_t* utf16);

#pragma once
// Windows-1252, the encoding of every text in the catalogue: conversion to Unicode for
// showing it anywhere, and the folding the catalogue's name order uses, for finding a
// name as typed.
#include <cstddef>
#include <string>
#include <string_view>

// The Unicode code point of a Windows-1252 byte. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value,
// as Windows itself maps them, so every byte converts and converts back.
char16_t windows1252ToCodePoint(unsigned char byte);

std::u16string windows1252ToUtf16(std::string_view text);
std::string windows1252ToUtf8(std::string_view text);

// The exact inverse of windows1252ToUtf16; false (and `text` unspecified) when a
// character has no Windows-1252 byte.
bool utf16ToWindows1252(std::u16string_view utf16, std::string& text);

// A name as the catalogue's order compares it: trailing spaces removed, hyphens and
// apostrophes (straight and curly) dropped, letter case ignored, accented letters taken as their
// base letter. Two names compare as equal exactly when their folded forms are equal, and one is a
// prefix of the other exactly when its folded form is.
std::string foldName(std::string_view name);

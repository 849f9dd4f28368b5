#include "files/win32/utf8.h"

#include <cwchar>

#include "catalogue/utf8.h"

bool widenStrict(const std::string& utf8, std::wstring& wide) {
    wide.clear();
    return appendUtf8AsUtf16(wide, utf8, true);
}

std::wstring widen(const std::string& utf8) {
    std::wstring wide;
    appendUtf8AsUtf16(wide, utf8, false);
    return wide;
}

std::string narrow(const wchar_t* utf16) {
    std::string utf8;
    appendUtf16AsUtf8(utf8, std::wcslen(utf16), [&](std::size_t at) { return utf16[at]; });
    return utf8;
}

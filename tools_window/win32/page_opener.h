#pragma once
// Opening the written page in the default browser: one small function, which the
// tests replace (under Wine the system's opener would start Wine's own browser).
#include <string>

void openPage(const std::wstring& path);

using PageOpener = void (*)(const std::wstring& path);
void setPageOpener(PageOpener opener); // nullptr: the system's opener again

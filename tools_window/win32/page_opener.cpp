#include "tools_window/win32/page_opener.h"

#include <windows.h>
#include <shellapi.h>

namespace {

PageOpener replacement = nullptr;

} // namespace

void setPageOpener(PageOpener opener) {
    replacement = opener;
}

void openPage(const std::wstring& path) {
    if (replacement) return replacement(path);
    ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

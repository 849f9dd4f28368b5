#include "tools_window/win32/tools_chooser.h"

#include <commdlg.h>

#include <vector>

namespace {

ToolsChooserHook hook = nullptr;

} // namespace

void setToolsChooserHook(ToolsChooserHook replacement) {
    hook = replacement;
}

bool chooseFile(HWND owner, const ChooserRequest& request, std::wstring& path) {
    if (hook) return hook(request, path);
    std::vector<wchar_t> name(32768, L'\0');
    std::wstring folder;
    const std::size_t slash = request.start.find_last_of(L"\\/");
    if (slash != std::wstring::npos) folder = request.start.substr(0, slash);
    request.start.substr(slash == std::wstring::npos ? 0 : slash + 1).copy(name.data(), 260);
    OPENFILENAMEW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpstrFilter = request.filter;
    chooser.nFilterIndex = 1;
    chooser.lpstrFile = name.data();
    chooser.nMaxFile = static_cast<DWORD>(name.size());
    chooser.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    chooser.lpstrTitle = request.title;
    chooser.lpstrDefExt = *request.extension ? request.extension : nullptr;
    chooser.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                    (request.save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    if (!(request.save ? GetSaveFileNameW(&chooser) : GetOpenFileNameW(&chooser))) return false;
    path = name.data();
    return true;
}

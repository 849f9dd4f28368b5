#include "tools/win32/process_windows.h"

namespace {

struct Search {
    DWORD processId;
    std::vector<ProcessWindow>* found;
};

BOOL CALLBACK collect(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    wchar_t className[128], caption[256];
    GetClassNameW(window, className, 128);
    GetWindowTextW(window, caption, 256);
    search->found->push_back({window, className, caption, IsWindowVisible(window) != FALSE});
    return TRUE;
}

} // namespace

std::vector<ProcessWindow> windowsOf(DWORD processId) {
    std::vector<ProcessWindow> found;
    Search search{processId, &found};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return found;
}

HWND mainDialogOf(DWORD processId) {
    for (const ProcessWindow& window : windowsOf(processId))
        if (window.visible && window.className == L"#32770" &&
            window.caption.find(L"Cardhold") != std::wstring::npos)
            return window.window;
    return nullptr;
}

std::wstring windowsPath(const char* path) {
    std::wstring wide(path, path + strlen(path));
    if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
    for (wchar_t& c : wide)
        if (c == L'/') c = L'\\';
    return wide;
}

bool startProgram(const std::wstring& exePath, PROCESS_INFORMATION& process,
                  const std::wstring& arguments) {
    std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process) != FALSE;
}

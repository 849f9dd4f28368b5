#pragma once
// The system's file chooser for the Tools window: a file to read, or a name to write
// (asking before it replaces one). The tests answer in its place through the hook.
#include <windows.h>

#include <string>

struct ChooserRequest {
    bool save = false;
    const wchar_t* title = L"";
    const wchar_t* filter = L"";    // pairs of NUL-ended texts, as the system takes them
    const wchar_t* extension = L""; // added to a name typed without one
    std::wstring start;             // the name or folder first shown
};

// True with the chosen file in `path`; false when the user cancelled.
bool chooseFile(HWND owner, const ChooserRequest& request, std::wstring& path);

using ToolsChooserHook = bool (*)(const ChooserRequest& request, std::wstring& path);
void setToolsChooserHook(ToolsChooserHook hook);

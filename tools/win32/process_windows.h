#pragma once
// Finding another process's windows: for the smoke test, the measurements and the
// run script's window tool.
#include <windows.h>

#include <string>
#include <vector>

struct ProcessWindow {
    HWND window;
    std::wstring className;
    std::wstring caption;
    bool visible;
};

// The top-level windows of process `processId`.
std::vector<ProcessWindow> windowsOf(DWORD processId);

// The visible main dialog (class #32770, caption naming Cardhold) of the process.
HWND mainDialogOf(DWORD processId);

// A Windows path for `path`: Unix paths, as CMake hands them to Wine, go through
// drive Z:.
std::wstring windowsPath(const char* path);

// Starts `exePath` with its own folder as working folder; false if it cannot start.
bool startProgram(const std::wstring& exePath, PROCESS_INFORMATION& process,
                  const std::wstring& arguments = L"");

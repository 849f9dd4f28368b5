// A small helper for the run script, which takes a screenshot of Cardhold in Wine's
// virtual desktop and then ends it. Started inside that desktop, it starts the
// program there, and once asked (the file `stop` appears) closes its main dialog as
// the close box would, waits for it to end and writes its exit code to `stop`.exit.
//
//   cardhold_window_tool run path\to\cardhold.exe path\to\stop
//
// Every wait is bounded; exit code 0 when the program ended with code 0.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "tools/win32/process_windows.h"

namespace {

constexpr ULONGLONG DialogWaitMs = 60000;
constexpr ULONGLONG StopWaitMs = 300000;

bool waitFor(ULONGLONG timeoutMs, bool (*condition)(const void*), const void* context) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition(context)) {
        if (GetTickCount64() > deadline) return false;
        Sleep(50);
    }
    return true;
}

bool dialogShown(const void* processId) {
    return mainDialogOf(*static_cast<const DWORD*>(processId)) != nullptr;
}

bool fileExists(const void* path) {
    return GetFileAttributesW(static_cast<const std::wstring*>(path)->c_str()) !=
           INVALID_FILE_ATTRIBUTES;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 || std::strcmp(argv[1], "run") != 0) {
        std::fprintf(stderr,
                     "usage: cardhold_window_tool run path\\to\\cardhold.exe path\\to\\stop\n");
        return 2;
    }
    const std::wstring stop = windowsPath(argv[3]);
    PROCESS_INFORMATION process{};
    if (!startProgram(windowsPath(argv[2]), process)) return 1;

    DWORD exitCode = 1;
    if (waitFor(DialogWaitMs, dialogShown, &process.dwProcessId)) {
        waitFor(StopWaitMs, fileExists, &stop);
        if (HWND dialog = mainDialogOf(process.dwProcessId))
            PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    GetExitCodeProcess(process.hProcess, &exitCode);

    if (FILE* out = _wfopen((stop + L".exit").c_str(), L"w")) {
        std::fprintf(out, "%lu\n", exitCode);
        std::fclose(out);
    }
    return exitCode == 0 ? 0 : 1;
}

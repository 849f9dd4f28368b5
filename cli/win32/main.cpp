// The console program's entry point on Windows. Arguments come from the wide command
// line, so paths with any letters arrive intact, and are handed on as UTF-8. Output
// meant for a console goes through the wide console function, which shows every
// letter whatever the console's code page; redirected output is the UTF-8 bytes
// themselves, with no line-end translation.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "cli/cli.h"
#include "files/win32/utf8.h"

namespace {

bool writeToConsole(HANDLE console, const std::string& utf8) {
    std::wstring wide = widen(utf8);
    // A byte-order mark is for files; on a console it would only be a stray character.
    if (!wide.empty() && wide.front() == 0xFEFF) wide.erase(0, 1);
    constexpr std::size_t Chunk = 8192;
    for (std::size_t at = 0; at < wide.size();) {
        std::size_t length = std::min(Chunk, wide.size() - at);
        // Never split a surrogate pair between two calls.
        if (length == Chunk && IS_HIGH_SURROGATE(wide[at + length - 1])) --length;
        DWORD written = 0;
        if (!WriteConsoleW(console, wide.data() + at, static_cast<DWORD>(length), &written,
                           nullptr) ||
            written == 0)
            return false;
        at += written;
    }
    return true;
}

bool writeAll(DWORD which, std::FILE* stream, const std::string& utf8) {
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    if (handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode))
        return writeToConsole(handle, utf8);
    _setmode(_fileno(stream), _O_BINARY);
    return std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size() &&
           std::fflush(stream) == 0;
}

// Started from the file manager: no arguments, a console made for this process alone
// (which closes when it ends), and standard input and output both on it. Never when
// either is redirected, so scripts and tests never wait.
bool startedOnItsOwnConsole(int argc) {
    DWORD processes[2], mode = 0;
    return argc == 1 && GetConsoleProcessList(processes, 2) == 1 &&
           GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) &&
           GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
}

// Keeps the console open until the user has read it.
void waitForEnter() {
    writeToConsole(GetStdHandle(STD_OUTPUT_HANDLE), "\nPress Enter to close this window.\n");
    wchar_t typed[64];
    DWORD read = 0;
    while (ReadConsoleW(GetStdHandle(STD_INPUT_HANDLE), typed, 64, &read, nullptr) && read > 0)
        if (std::wstring_view(typed, read).find(L'\r') != std::wstring_view::npos) return;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(narrow(argv[i]));
    const bool ownConsole = startedOnItsOwnConsole(argc);
    if (ownConsole) args.push_back("--help");
    CliOutput io;
    // Someone who double-clicked the console program is pointed to the window first.
    if (ownConsole)
        io.out += "Cardhold Tools (cardhold-tools.exe, beside this program) does all of this in a "
                  "window:\nimports, exports, want and spare lists, trades and the collection "
                  "page.\n\n";
    int status = runCli(args, io);
    if (!writeAll(STD_OUTPUT_HANDLE, stdout, io.out)) {
        io.err += "cardhold-cli: could not write the output\n";
        status = ExitFailure;
    }
    writeAll(STD_ERROR_HANDLE, stderr, io.err);
    if (ownConsole) waitForEnter();
    return status;
}

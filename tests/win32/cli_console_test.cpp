// cardhold-cli.exe on a console of its own, as the file manager starts it: every
// character it writes reaches the console (read back from the screen buffer), and
// started without arguments it shows its help and waits for Enter; with arguments,
// or with its output redirected, it never waits.
#include <gtest/gtest.h>

#include <string>

#include <windows.h>

#include "tests/win32/wait_until.h"

namespace {

std::wstring program;

struct Child {
    PROCESS_INFORMATION info{};
    ~Child() {
        if (!info.hProcess) return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 9);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    bool endsWithin(DWORD ms) const {
        return WaitForSingleObject(info.hProcess, ms) == WAIT_OBJECT_0;
    }
    DWORD status() const {
        DWORD code = 0;
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
};

// Starts the program on a new console, or with CREATE_SUSPENDED on this process's;
// `output`, when given, is its standard output.
bool start(Child& child, const std::wstring& arguments, HANDLE output = nullptr,
           DWORD flags = CREATE_NEW_CONSOLE) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (output) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = output;
    }
    std::wstring line = L"\"" + program + L"\" " + arguments;
    return CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, output != nullptr, flags,
                          nullptr, nullptr, &startup, &child.info);
}

HANDLE openConsole(const wchar_t* name) {
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
}

// The console's text so far, without the spaces that pad each row.
std::wstring screenText(HANDLE screen) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    std::wstring text;
    if (screen != INVALID_HANDLE_VALUE && GetConsoleScreenBufferInfo(screen, &info)) {
        std::wstring row(info.dwSize.X, L' ');
        for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
            DWORD read = 0;
            ReadConsoleOutputCharacterW(screen, row.data(), info.dwSize.X, {0, y}, &read);
            for (const wchar_t c : row.substr(0, read))
                if (c != L' ') text += c;
        }
    }
    return text;
}

void pressEnter(HANDLE input) {
    INPUT_RECORD keys[2]{};
    for (int i = 0; i < 2; ++i) {
        keys[i].EventType = KEY_EVENT;
        keys[i].Event.KeyEvent.bKeyDown = i == 0;
        keys[i].Event.KeyEvent.wRepeatCount = 1;
        keys[i].Event.KeyEvent.wVirtualKeyCode = VK_RETURN;
        keys[i].Event.KeyEvent.uChar.UnicodeChar = L'\r';
    }
    DWORD written = 0;
    WriteConsoleInputW(input, keys, 2, &written);
}

// A temporary file the child may inherit as its output, gone when closed.
HANDLE outputFile() {
    wchar_t folder[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"chh", 0, path);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inherit, CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

// The program's help as it writes it into a file, without white space.
std::wstring helpText() {
    const HANDLE file = outputFile();
    Child child;
    std::wstring text;
    if (start(child, L"--help", file) && child.endsWithin(20000)) {
        char bytes[8192];
        DWORD read = 0;
        SetFilePointer(file, 0, nullptr, FILE_BEGIN);
        ReadFile(file, bytes, sizeof bytes, &read, nullptr);
        for (DWORD i = 0; i < read; ++i)
            if (bytes[i] != ' ' && bytes[i] != '\r' && bytes[i] != '\n') text += wchar_t(bytes[i]);
    }
    CloseHandle(file);
    return text;
}

TEST(ConsoleOfItsOwn, StartedWithoutArgumentsItShowsAllOfItsHelpAndWaitsForEnter) {
    const std::wstring help = helpText();
    ASSERT_GT(help.size(), 200u);
    // A new console for the program, as the file manager makes one: this process makes
    // it, keeps handles to its screen and input, starts the program on it and leaves
    // it, so that the program is the console's only process when it looks.
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    const HANDLE screen = openConsole(L"CONOUT$"), input = openConsole(L"CONIN$");
    Child child;
    ASSERT_TRUE(start(child, L"", nullptr, CREATE_SUSPENDED));
    FreeConsole();
    ResumeThread(child.info.hThread);
    const std::wstring waiting = L"CardholdTools(cardhold-tools.exe,besidethisprogram)doesallof"
                                 L"thisinawindow:imports,exports,wantandsparelists,tradesandthe"
                                 L"collectionpage." +
                                 help + L"PressEntertoclosethiswindow.";
    std::wstring shown;
    EXPECT_TRUE(waitUntil([&] { return (shown = screenText(screen)) == waiting; }, 20000))
        << "the console shows: " << std::string(shown.begin(), shown.end());
    EXPECT_FALSE(child.endsWithin(0)) << "it waits for Enter";
    pressEnter(input);
    ASSERT_TRUE(child.endsWithin(20000));
    EXPECT_EQ(child.status(), 0u);
    CloseHandle(screen);
    CloseHandle(input);
}

TEST(ConsoleOfItsOwn, WithArgumentsOrRedirectedItNeverWaits) {
    Child withArguments;
    ASSERT_TRUE(start(withArguments, L"--version"));
    ASSERT_TRUE(withArguments.endsWithin(20000));
    EXPECT_EQ(withArguments.status(), 0u);

    const HANDLE file = outputFile();
    Child redirected;
    ASSERT_TRUE(start(redirected, L"", file));
    ASSERT_TRUE(redirected.endsWithin(20000));
    EXPECT_EQ(redirected.status(), 2u) << "no arguments is a usage error";
    CloseHandle(file);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) return 2;
    program = argv[1];
    return RUN_ALL_TESTS();
}

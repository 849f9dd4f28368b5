// cardhold.exe itself: it shows its main dialog and never its frame, and closing the
// dialog in any of the user's ways ends the process with exit code 0 and no window
// left behind.
#include <gtest/gtest.h>

#include <string>

#include "ui/control_ids.h"
#include "tools/win32/process_windows.h"
#include "tests/win32/wait_until.h"

namespace {

std::wstring programPath;

enum class Ending { CancelCommand, EscapeKey, ExitMenu, CloseBox };

void endBy(Ending how, HWND dialog, DWORD threadId) {
    switch (how) {
    case Ending::CancelCommand: PostMessageW(dialog, WM_COMMAND, IDC_CANCEL, 0); break;
    case Ending::ExitMenu: PostMessageW(dialog, WM_COMMAND, IDM_FILE_EXIT, 0); break;
    case Ending::CloseBox: PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case Ending::EscapeKey: {
        // To the focused control, through the dialog's own modal loop.
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(threadId, &gui);
        PostMessageW(gui.hwndFocus ? gui.hwndFocus : dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    }
    }
}

class Program : public testing::TestWithParam<Ending> {};

TEST_P(Program, ShowsOnlyItsDialogAndEndsCleanly) {
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(startProgram(programPath, process)) << "cannot start the program";

    // Looks at every step of the wait, so a frame shown on the way is seen too.
    HWND dialog = nullptr;
    bool frameShown = false;
    const bool shown = waitUntil(
        [&] {
            for (const ProcessWindow& window : windowsOf(process.dwProcessId))
                if (window.visible && window.className == L"CORVALE") frameShown = true;
            return (dialog = mainDialogOf(process.dwProcessId)) != nullptr;
        },
        20000);
    if (shown) {
        // The dialog is owned by the frame, which exists but stays hidden.
        HWND frame = GetWindow(dialog, GW_OWNER);
        ASSERT_NE(frame, nullptr);
        wchar_t className[64], title[64];
        GetClassNameW(frame, className, 64);
        GetWindowTextW(frame, title, 64);
        EXPECT_STREQ(className, L"CORVALE");
        EXPECT_STREQ(title, L"corvale");
        EXPECT_FALSE(IsWindowVisible(frame));
        for (const ProcessWindow& window : windowsOf(process.dwProcessId)) {
            if (window.visible) {
                EXPECT_EQ(window.window, dialog) << "another window is visible";
            }
        }
        // With its frame hidden, the dialog itself has the taskbar button.
        EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        endBy(GetParam(), dialog, process.dwThreadId);
    }
    const bool ended = WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 99);

    ASSERT_TRUE(shown) << "the main dialog never appeared";
    ASSERT_TRUE(ended) << "the program did not end";
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(windowsOf(process.dwProcessId).empty());
    EXPECT_FALSE(frameShown) << "the frame window was shown";
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

std::string endingName(const testing::TestParamInfo<Ending>& info) {
    const char* const names[] = {"CancelCommand", "EscapeKey", "ExitMenu", "CloseBox"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Endings, Program,
                         testing::Values(Ending::CancelCommand, Ending::EscapeKey, Ending::ExitMenu,
                                         Ending::CloseBox),
                         endingName);

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: cardhold_smoke_test path\\to\\cardhold.exe\n");
        return 2;
    }
    programPath = windowsPath(argv[1]);
    return RUN_ALL_TESTS();
}

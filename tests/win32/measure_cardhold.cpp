// Measures, under Windows or Wine, how long cardhold.exe takes from process start to
// its dialog on screen, and how long a filter click takes inside the running
// program (the list refilled and the panel rewritten). Not a test: it prints figures.
//
//   measure_cardhold path\to\cardhold.exe [starts] [clicks]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/control_ids.h"
#include "tests/win32/process_windows.h"

namespace {

double frequency() {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
}

double now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency();
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Waits for the dialog, looking every millisecond; 0 if it never comes.
HWND waitForDialog(DWORD processId, double timeoutSeconds) {
    const double deadline = now() + timeoutSeconds;
    while (now() < deadline) {
        if (HWND dialog = mainDialogOf(processId)) return dialog;
        Sleep(1);
    }
    return nullptr;
}

void stop(PROCESS_INFORMATION& process, HWND dialog) {
    if (dialog) PostMessageW(dialog, WM_COMMAND, IDC_CANCEL, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// One timed click on a check box of the program's dialog; the send returns once the
// program has handled the click in full.
double timeClick(HWND dialog, int id) {
    HWND box = GetDlgItem(dialog, id);
    const double start = now();
    SendMessageW(box, BM_CLICK, 0, 0);
    return (now() - start) * 1000.0;
}

int listCount(HWND dialog) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, IDC_CARD_LIST), CB_GETCOUNT, 0, 0));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: measure_cardhold path\\to\\cardhold.exe [starts] [clicks]\n");
        return 2;
    }
    const std::wstring program = windowsPath(argv[1]);
    const int starts = argc > 2 ? std::atoi(argv[2]) : 5;
    const int clicks = argc > 3 ? std::atoi(argv[3]) : 21;

    std::vector<double> startTimes;
    for (int i = 0; i < starts; ++i) {
        PROCESS_INFORMATION process{};
        const double start = now();
        if (!startProgram(program, process)) {
            std::fprintf(stderr, "cannot start the program\n");
            return 1;
        }
        HWND dialog = waitForDialog(process.dwProcessId, 30);
        if (dialog) startTimes.push_back((now() - start) * 1000.0);
        stop(process, dialog);
    }

    PROCESS_INFORMATION process{};
    if (!startProgram(program, process)) return 1;
    HWND dialog = waitForDialog(process.dwProcessId, 30);
    if (!dialog) {
        std::fprintf(stderr, "the dialog never appeared\n");
        stop(process, nullptr);
        return 1;
    }
    // The type "All" box: off empties the list, on refills all 1674 names. A set box:
    // off and on again, a partial refill.
    std::vector<double> refillAll, emptyAll, setOff, setOn;
    int fullCount = 0;
    for (int i = 0; i < clicks; ++i) {
        emptyAll.push_back(timeClick(dialog, IDC_TYPE_ALL));
        refillAll.push_back(timeClick(dialog, IDC_TYPE_ALL));
        fullCount = listCount(dialog);
        setOff.push_back(timeClick(dialog, IDC_SET_ASHFALL));
        setOn.push_back(timeClick(dialog, IDC_SET_ASHFALL));
    }
    stop(process, dialog);

    std::printf("start to dialog shown: median %.1f ms over %zu starts\n", median(startTimes),
                startTimes.size());
    std::printf(
        "type \"All\" on (list refilled with %d names, panel): median %.2f ms, max %.2f ms\n",
        fullCount, median(refillAll), *std::max_element(refillAll.begin(), refillAll.end()));
    std::printf("type \"All\" off (list emptied, panel): median %.2f ms\n", median(emptyAll));
    std::printf("set box off / on (partial refill): median %.2f / %.2f ms over %d clicks each\n",
                median(setOff), median(setOn), clicks);
    return 0;
}

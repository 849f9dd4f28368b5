// Measures, under Windows or Wine, how long cardhold.exe takes from process start to
// its dialog on screen, and how long a filter click takes inside the running
// program (the list refilled and the panel rewritten), each against a floor: this
// tool's own copy of dialog 129 doing the least a click must (floor_dialog.cpp),
// started as another process in the same way. Program and floor alternate, three
// runs each. Not a test: it prints figures.
//
//   measure_cardhold path\to\cardhold.exe [starts] [clicks]
//   measure_cardhold floor        (the floor dialog itself)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/control_ids.h"
#include "tests/win32/floor_dialog.h"
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

struct Figures {
    double start = 0;             // process start to dialog shown
    double allOff = 0, allOn = 0; // type "All" box 9020: list emptied, refilled
    double setOff = 0, setOn = 0; // set box 9000: partial refill and back
    int fullCount = 0;
};

// Medians over `starts` starts and `clicks` clicks of each kind; false if the
// dialog never came.
bool measure(const std::wstring& program, const std::wstring& arguments, int starts, int clicks,
             Figures& figures) {
    std::vector<double> startTimes;
    for (int i = 0; i < starts; ++i) {
        PROCESS_INFORMATION process{};
        const double start = now();
        if (!startProgram(program, process, arguments)) return false;
        HWND dialog = waitForDialog(process.dwProcessId, 30);
        if (dialog) startTimes.push_back((now() - start) * 1000.0);
        stop(process, dialog);
    }

    PROCESS_INFORMATION process{};
    if (!startProgram(program, process, arguments)) return false;
    HWND dialog = waitForDialog(process.dwProcessId, 30);
    if (!dialog) {
        stop(process, nullptr);
        return false;
    }
    std::vector<double> allOff, allOn, setOff, setOn;
    for (int i = 0; i < clicks; ++i) {
        allOff.push_back(timeClick(dialog, IDC_TYPE_ALL));
        allOn.push_back(timeClick(dialog, IDC_TYPE_ALL));
        figures.fullCount =
            static_cast<int>(SendMessageW(GetDlgItem(dialog, IDC_CARD_LIST), CB_GETCOUNT, 0, 0));
        setOff.push_back(timeClick(dialog, IDC_SET_ASHFALL));
        setOn.push_back(timeClick(dialog, IDC_SET_ASHFALL));
    }
    stop(process, dialog);
    figures.start = median(startTimes);
    figures.allOff = median(allOff);
    figures.allOn = median(allOn);
    figures.setOff = median(setOff);
    figures.setOn = median(setOn);
    return true;
}

void print(const char* who, const Figures& f) {
    std::printf("  %-7s start %7.1f ms | type All off %6.2f on %6.2f ms (%d names) | set box "
                "off %6.2f on %6.2f ms\n",
                who, f.start, f.allOff, f.allOn, f.fullCount, f.setOff, f.setOn);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "floor") == 0) return runFloorDialog();
    if (argc < 2) {
        std::fprintf(stderr, "usage: measure_cardhold path\\to\\cardhold.exe [starts] [clicks]\n");
        return 2;
    }
    const std::wstring program = windowsPath(argv[1]);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const int starts = argc > 2 ? std::atoi(argv[2]) : 5;
    const int clicks = argc > 3 ? std::atoi(argv[3]) : 21;

    std::printf("medians of %d starts and %d clicks of each kind; program / floor alternate\n",
                starts, clicks);
    for (int run = 1; run <= 3; ++run) {
        Figures product, floor;
        if (!measure(program, L"", starts, clicks, product) ||
            !measure(self, L"floor", starts, clicks, floor)) {
            std::fprintf(stderr, "a dialog never appeared\n");
            return 1;
        }
        std::printf("run %d\n", run);
        print("program", product);
        print("floor", floor);
        std::printf("  ratio   start %.2f | type All click %.2f (off %.2f, on %.2f) | set box "
                    "click %.2f (off %.2f, on %.2f)\n",
                    product.start / floor.start,
                    (product.allOff + product.allOn) / (floor.allOff + floor.allOn),
                    product.allOff / floor.allOff, product.allOn / floor.allOn,
                    (product.setOff + product.setOn) / (floor.setOff + floor.setOn),
                    product.setOff / floor.setOff, product.setOn / floor.setOn);
    }
    return 0;
}

// Measures, under Windows or Wine, how long cardhold.exe takes from process start to
// its dialog on screen, and how long a filter click takes inside the running
// program (the list refilled and the panel rewritten), each against a floor: this
// tool's own copy of dialog 129 doing the least a click must (floor_dialog.cpp),
// started as another process in the same way. Program and floor alternate, three
// runs each. Not a test: it prints figures.
//
//   measure_cardhold path\to\cardhold.exe [starts] [clicks]
//   measure_cardhold floor        (the floor dialog itself)
//   measure_cardhold path\to\cardhold.exe --beside path\to\cardhold-tools.exe [starts]
//                                 (the two programs' start times, in turn)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/control_ids.h"
#include "tools/win32/floor_dialog.h"
#include "tools/win32/process_windows.h"

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

BOOL CALLBACK findUnpainted(HWND window, LPARAM found) {
    if (GetUpdateRect(window, nullptr, FALSE)) *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

bool unpainted(HWND dialog) {
    bool found = GetUpdateRect(dialog, nullptr, FALSE) != FALSE;
    EnumChildWindows(dialog, findUnpainted, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Waits (bounded) until the dialog and all its controls have painted what the last
// click left to paint, so one click's deferred painting does not fall into the next
// one's time.
void waitForPainted(HWND dialog) {
    const double deadline = now() + 0.5;
    while (now() < deadline && unpainted(dialog))
        Sleep(1);
}

// One program under measurement: the product or the floor.
struct Subject {
    std::wstring path, arguments;
    PROCESS_INFORMATION process{};
    HWND dialog = nullptr;
    std::vector<double> starts, allOff, allOn, setOff, setOn;
    int fullCount = 0;

    bool open() {
        process = {};
        const double start = now();
        if (!startProgram(path, process, arguments)) return false;
        dialog = waitForDialog(process.dwProcessId, 30);
        if (dialog) starts.push_back((now() - start) * 1000.0);
        return dialog != nullptr;
    }
    void close() { stop(process, dialog); }
    double click(int id) {
        const double time = timeClick(dialog, id);
        waitForPainted(dialog);
        return time;
    }
    // The type "All" box off (list emptied) and on (1674 names); set box 9000 off
    // (a partial refill) and on again.
    void clickEach() {
        allOff.push_back(click(IDC_TYPE_ALL));
        allOn.push_back(click(IDC_TYPE_ALL));
        fullCount =
            static_cast<int>(SendMessageW(GetDlgItem(dialog, IDC_CARD_LIST), CB_GETCOUNT, 0, 0));
        setOff.push_back(click(IDC_SET_ASHFALL));
        setOn.push_back(click(IDC_SET_ASHFALL));
    }
    void print(const char* who) const {
        std::printf("  %-7s start %7.1f ms | type All off %6.2f on %6.2f ms (%d names) | set "
                    "box off %6.2f on %6.2f ms\n",
                    who, median(starts), median(allOff), median(allOn), fullCount, median(setOff),
                    median(setOn));
    }
    double allClick() const { return median(allOff) + median(allOn); }
    double setClick() const { return median(setOff) + median(setOn); }
};

// Program and floor take turns at every step, so a busy machine slows both alike.
bool measureRun(Subject& product, Subject& floor, int starts, int clicks) {
    for (int i = 0; i < starts; ++i)
        for (Subject* subject : {&product, &floor}) {
            const bool shown = subject->open();
            subject->close();
            if (!shown) return false;
        }
    const bool shown = product.open() && floor.open();
    for (int i = 0; shown && i < clicks; ++i) {
        product.clickEach();
        floor.clickEach();
    }
    product.close();
    floor.close();
    return shown;
}

// The main window's and Cardhold Tools' start times, taking turns in one run.
int measureBeside(const char* main, const char* tools, int starts) {
    Subject window, beside;
    window.path = windowsPath(main);
    beside.path = windowsPath(tools);
    for (int i = 0; i < starts; ++i)
        for (Subject* subject : {&window, &beside}) {
            const bool shown = subject->open();
            subject->close();
            if (!shown) return std::fprintf(stderr, "a dialog never appeared\n"), 1;
        }
    std::printf("medians of %d starts each, in turn: cardhold.exe %.1f ms, cardhold-tools.exe "
                "%.1f ms (ratio %.2f)\n",
                starts, median(window.starts), median(beside.starts),
                median(beside.starts) / median(window.starts));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "floor") == 0) return runFloorDialog();
    if (argc >= 4 && std::strcmp(argv[2], "--beside") == 0)
        return measureBeside(argv[1], argv[3], argc > 4 ? std::atoi(argv[4]) : 9);
    if (argc < 2) {
        std::fprintf(stderr, "usage: measure_cardhold path\\to\\cardhold.exe [starts] [clicks]\n");
        return 2;
    }
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const int starts = argc > 2 ? std::atoi(argv[2]) : 5;
    const int clicks = argc > 3 ? std::atoi(argv[3]) : 21;

    std::printf("medians of %d starts and %d clicks of each kind, program and floor in turn\n",
                starts, clicks);
    for (int run = 1; run <= 3; ++run) {
        Subject product, floor;
        product.path = windowsPath(argv[1]);
        floor.path = self;
        floor.arguments = L"floor";
        if (!measureRun(product, floor, starts, clicks)) {
            std::fprintf(stderr, "a dialog never appeared\n");
            return 1;
        }
        std::printf("run %d\n", run);
        product.print("program");
        floor.print("floor");
        std::printf("  ratio   start %.2f | type All click %.2f | set box click %.2f\n",
                    median(product.starts) / median(floor.starts),
                    product.allClick() / floor.allClick(), product.setClick() / floor.setClick());
    }
    return 0;
}

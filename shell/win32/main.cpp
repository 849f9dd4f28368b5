// Cardhold's entry point and its frame window. The frame is never shown: its
// creation runs the main dialog, the program's whole life, and then destroys it.
#include <windows.h>
#include <objbase.h>

#include "ui/control_ids.h"
#include "shell/win32/main_dialog_proc.h"

namespace {

char windowTitle[100];
char windowClassName[100];

LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        runMainDialog(window);
        DestroyWindow(window);
        return 0;
    case WM_COMMAND: return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void registerFrameClass(HINSTANCE instance) {
    WNDCLASSEXA frameClass{};
    frameClass.cbSize = sizeof frameClass;
    frameClass.style = CS_HREDRAW | CS_VREDRAW;
    frameClass.lpfnWndProc = frameWindowProc;
    frameClass.cbClsExtra = 0;
    frameClass.cbWndExtra = 0;
    frameClass.hInstance = instance;
    frameClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_CARDHOLD));
    frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    frameClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    frameClass.lpszClassName = windowClassName;
    frameClass.hIconSm = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_CARDHOLD_SMALL), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    RegisterClassExA(&frameClass);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    LoadStringA(instance, IDS_APP_TITLE, windowTitle, sizeof windowTitle);
    LoadStringA(instance, IDS_WINDOW_CLASS, windowClassName, sizeof windowClassName);
    registerFrameClass(instance);

    appInstance = instance;
    // COM for the accessibility names of the dialog's controls; the file dialogs use it too.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HWND frame = CreateWindowA(windowClassName, windowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                               CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    // The frame destroys itself inside its own creation, once the main dialog has
    // ended; either way the quit message is already waiting.
    if (!frame) return 0;
    ShowWindow(frame, showCommand);
    UpdateWindow(frame);

    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        if (!TranslateAcceleratorA(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return static_cast<int>(message.wParam);
}

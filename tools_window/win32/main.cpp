// Cardhold Tools' entry point: the dialog is the program's whole life. A deck file
// named on the command line (or dropped on the program's icon) is shown first.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "files/win32/utf8.h"
#include "tools_window/win32/tools_dialog.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The file choosers use COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::string deckFile = args && count > 1 ? narrow(args[1]) : "";
    LocalFree(args);
    runToolsDialog(instance, deckFile);
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}

#include "tools_window/win32/tools_accessibility.h"

#include <commctrl.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "shell/win32/accessible_control.h"
#include "tools_window/win32/tools_ids.h"

namespace {

// Built once per dialog, before any subclass points into them.
std::vector<std::string> names;
std::vector<ControlAccessibility> descriptions;

std::wstring className(HWND control) {
    wchar_t name[32] = L"";
    GetClassNameW(control, name, 32);
    return name;
}

// A caption as the wrapper takes names: Windows-1252, without the mnemonic's "&".
std::string nameOf(const std::wstring& caption) {
    std::string name;
    for (wchar_t letter : caption) {
        if (letter == L'&') continue;
        name += letter == L'\u2026' ? '\x85' : letter < 0x100 ? static_cast<char>(letter) : '?';
    }
    while (!name.empty() && name.back() == ':')
        name.pop_back();
    return name;
}

std::wstring textOf(HWND control) {
    wchar_t text[256] = L"";
    GetWindowTextW(control, text, 256);
    return text;
}

ControlAccessibility describe(HWND control, const std::string& name) {
    const std::wstring kind = className(control);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    if (_wcsicmp(kind.c_str(), L"Edit") == 0)
        return {name.c_str(), ROLE_SYSTEM_TEXT, false, true, true};
    if (_wcsicmp(kind.c_str(), L"ComboBox") == 0)
        return {name.c_str(), ROLE_SYSTEM_COMBOBOX, false, false, true};
    if (_wcsicmp(kind.c_str(), L"Static") == 0)
        return {name.c_str(), ROLE_SYSTEM_STATICTEXT, false, true, false};
    switch (style & BS_TYPEMASK) {
    case BS_AUTORADIOBUTTON: return {name.c_str(), ROLE_SYSTEM_RADIOBUTTON, true, false, true};
    case BS_AUTOCHECKBOX: return {name.c_str(), ROLE_SYSTEM_CHECKBUTTON, true, false, true};
    default: return {name.c_str(), ROLE_SYSTEM_PUSHBUTTON, false, false, true};
    }
}

// A field's name is the label before it; the two lines the program writes have their own.
std::string nameFor(HWND control) {
    switch (GetDlgCtrlID(control)) {
    case IDC_TOOLS_DECK_LINE: return "What the deck file holds";
    case IDC_TOOLS_STATUS: return "What is missing";
    }
    const std::wstring kind = className(control);
    const bool field =
        _wcsicmp(kind.c_str(), L"Edit") == 0 || _wcsicmp(kind.c_str(), L"ComboBox") == 0;
    return nameOf(textOf(field ? GetWindow(control, GW_HWNDPREV) : control));
}

} // namespace

void describeToolsControls(HWND dialog) {
    std::vector<HWND> controls;
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        controls.push_back(control);
    names.clear();
    descriptions.clear();
    names.reserve(controls.size());
    descriptions.reserve(controls.size());
    for (HWND control : controls) {
        names.push_back(nameFor(control));
        descriptions.push_back(describe(control, names.back()));
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        describeToScreenReaders(controls[i], descriptions[i]);
}

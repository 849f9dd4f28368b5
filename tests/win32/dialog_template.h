#pragma once
// Reads a dialog template straight from a module's resources, so tests can check
// what the compiled resource script holds (the dialogs' frames, the About box).
#include <windows.h>

#include <string>
#include <vector>

struct TemplateItem {
    DWORD style = 0;
    int id = 0;             // -1 for none
    std::wstring className; // "Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"
    std::wstring text;
    int x = 0, y = 0, width = 0, height = 0;
};

struct DialogTemplate {
    bool found = false;
    DWORD style = 0;
    int x = 0, y = 0, width = 0, height = 0;
    int menuId = 0; // 0 for none
    std::wstring caption;
    int fontPoints = 0;
    std::wstring fontName;
    std::vector<TemplateItem> items;
};

// The dialog template `id` in `language`, or found == false.
DialogTemplate readDialogTemplate(HMODULE module, int id, WORD language);

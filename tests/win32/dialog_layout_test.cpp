// The compiled dialogs, and the live main dialog made from dialog 129 (whose controls
// the resource script takes from the layout table): the 68 controls of the table, in
// order, with their ids, kinds, texts and places.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/control_ids.h"
#include "ui/dialog_layout.h"
#include "shell/main_dialog.h"
#include "shell/win32/main_dialog_proc.h"
#include "shell/win32/win32_dialog.h"
#include "tests/support/memory_dialog.h"
#include "tests/win32/dialog_template.h"
#include "tests/win32/win32_test_support.h"

namespace {

const WORD EnglishUk = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK);

// The bits a style written as the resource script names them stands for.
DWORD styleBits(std::string_view names) {
    static const std::pair<std::string_view, DWORD> Known[] = {
        {"WS_TABSTOP", WS_TABSTOP},
        {"WS_GROUP", WS_GROUP},
        {"WS_VSCROLL", WS_VSCROLL},
        {"CBS_SIMPLE", CBS_SIMPLE},
        {"SS_LEFT", SS_LEFT},
        {"SS_CENTER", SS_CENTER},
        {"BS_GROUPBOX", BS_GROUPBOX},
        {"BS_CENTER", BS_CENTER},
        {"BS_NOTIFY", BS_NOTIFY},
        {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX},
        {"BS_PUSHBUTTON", BS_PUSHBUTTON},
        {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON}};
    DWORD bits = 0;
    for (std::size_t at = 0; at < names.size();) {
        const std::size_t end = std::min(names.find(" | ", at), names.size());
        const std::string_view name = names.substr(at, end - at);
        const auto known = std::find_if(std::begin(Known), std::end(Known),
                                        [&](const auto& entry) { return entry.first == name; });
        if (known == std::end(Known))
            ADD_FAILURE() << "unknown style " << name;
        else
            bits |= known->second;
        at = end + 3;
    }
    return bits;
}

// The bits compared for each window class: the type, alignment and notify bits.
DWORD styleMask(std::string_view windowClass) {
    if (windowClass == "ComboBox") return 0x3 | CBS_SORT | WS_VSCROLL;
    if (windowClass == "Static") return SS_TYPEMASK;
    return BS_TYPEMASK | BS_CENTER | BS_NOTIFY;
}

TEST(MainDialogTemplate, IsTheProgramsDialog) {
    const DialogTemplate dialog = readDialogTemplate(appInstance, IDD_MAIN, EnglishUk);
    ASSERT_TRUE(dialog.found) << "dialog 129 in English (United Kingdom)";
    const DWORD style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER;
    EXPECT_EQ(dialog.style & style, style);
    EXPECT_EQ(dialog.width, 520);
    EXPECT_EQ(dialog.height, 330);
    EXPECT_EQ(dialog.menuId, IDR_MAIN_MENU);
    EXPECT_NE(dialog.caption.find(L"Cardhold"), std::wstring::npos);
    EXPECT_NE(dialog.caption.find(L"TAVEN"), std::wstring::npos);
    EXPECT_EQ(dialog.caption.substr(dialog.caption.size() - 4), L"V1.5");
    EXPECT_EQ(dialog.fontPoints, 8);
    EXPECT_EQ(dialog.fontName, L"MS Sans Serif");
}

TEST(AboutTemplate, IsTheAboutBox) {
    const DialogTemplate about =
        readDialogTemplate(appInstance, IDD_ABOUT, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_TRUE(about.found) << "dialog 103 in English (United States)";
    const DWORD style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    EXPECT_EQ(about.style & style, style);
    EXPECT_FALSE(about.style & WS_POPUP);
    EXPECT_EQ(about.x, 22);
    EXPECT_EQ(about.y, 17);
    EXPECT_EQ(about.width, 171);
    EXPECT_EQ(about.height, 186);
    EXPECT_EQ(about.caption, L"");
    EXPECT_EQ(about.fontPoints, 8);
    EXPECT_EQ(about.fontName, L"System");

    const auto find = [&](const std::wstring& text) -> const TemplateItem* {
        for (const TemplateItem& item : about.items)
            if (item.text == text) return &item;
        return nullptr;
    };
    const TemplateItem* version = find(L"TAVEN Version 1.5");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
    EXPECT_EQ(std::vector<int>({version->x, version->y, version->width, version->height}),
              std::vector<int>({4, 14, 162, 8}));
    const TemplateItem* ok = find(L"OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->id, IDC_OK);
    EXPECT_EQ(ok->style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(std::vector<int>({ok->x, ok->y, ok->width, ok->height}),
              std::vector<int>({70, 169, 30, 11}));

    std::vector<std::vector<int>> frames;
    bool freeToUse = false;
    for (const TemplateItem& item : about.items) {
        if (item.className == L"Button" && (item.style & BS_TYPEMASK) == BS_GROUPBOX)
            frames.push_back({item.x, item.y, item.width, item.height});
        if (item.text.find(L"free to use") != std::wstring::npos) freeToUse = true;
    }
    EXPECT_EQ(frames, (std::vector<std::vector<int>>{{0, 6, 170, 35}, {1, 45, 170, 115}}));
    EXPECT_TRUE(freeToUse);
}

// The live controls: created in the table's order, of the right window class and
// kind, at the table's place once the dialog's own units are applied.
TEST(MainDialogWindow, ChildWindowsFollowTheLayoutTable) {
    RealMainDialog dialog;
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog.handle(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    ASSERT_EQ(children.size(), static_cast<size_t>(MainDialogControlCount));

    for (int i = 0; i < MainDialogControlCount; ++i) {
        const ControlLayout& want = MainDialogLayout[i];
        HWND child = children[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(want.id) + ")");
        const int id = GetDlgCtrlID(child);
        EXPECT_EQ(id == 0xFFFF ? IDC_NONE : id, want.id);

        const ControlKindStyle& kind = kindStyle(want.kind);
        char className[64];
        GetClassNameA(child, className, 64);
        EXPECT_EQ(_stricmp(className, kind.windowClass), 0) << "class";
        const auto style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        const DWORD wanted = styleBits(kind.style);
        // The dialog manager moves the default-button look with the focus, so push
        // buttons of either kind are checked as push buttons here.
        if (want.kind == ControlKind::DefaultPushButton || want.kind == ControlKind::PushButton) {
            EXPECT_LE(style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
        } else if (want.kind == ControlKind::SimpleComboBox) {
            // The combo box hands its scroll bar to the list inside it.
            EXPECT_EQ(style & (0x3 | CBS_SORT), wanted & (0x3 | CBS_SORT));
            COMBOBOXINFO parts{};
            parts.cbSize = sizeof parts;
            ASSERT_TRUE(GetComboBoxInfo(child, &parts));
            EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(parts.hwndList, GWL_STYLE)) & WS_VSCROLL,
                      wanted & WS_VSCROLL);
        } else {
            const DWORD mask = styleMask(kind.windowClass);
            EXPECT_EQ(style & mask, wanted & mask);
        }
        EXPECT_EQ(style & WS_TABSTOP, wanted & WS_TABSTOP) << "tab stop";
        EXPECT_TRUE(style & WS_VISIBLE);
        // Labels the program writes show catalogue text, where "&" is no mnemonic
        // ("Ash & Bone").
        if (std::string_view(kind.windowClass) == "Static" && want.id != IDC_NONE) {
            EXPECT_TRUE(style & SS_NOPREFIX) << "label without SS_NOPREFIX";
        }

        // Captions and frames keep the table's text; the program writes the others.
        if (want.id == IDC_NONE || want.text[0] != '\0') {
            char text[128];
            GetWindowTextA(child, text, sizeof text);
            EXPECT_STREQ(text, want.text);
        }

        // Place and size are converted each on its own, as the dialog manager does.
        RECT expected{want.x, want.y, want.width, want.height};
        MapDialogRect(dialog.handle(), &expected);
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog.handle(), reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right - actual.left, expected.right);
        if (want.kind != ControlKind::SimpleComboBox)
            EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
        else
            EXPECT_LE(actual.bottom - actual.top, expected.bottom); // trimmed to whole list rows
    }
}

// Its frame is never shown, so the dialog carries the taskbar button and the icons.
TEST(MainDialogWindow, CarriesTheProgramsIcons) {
    RealMainDialog dialog;
    EXPECT_TRUE(GetWindowLongW(dialog.handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    const auto icon = [&](int id, int size) {
        return reinterpret_cast<LRESULT>(
            LoadImageW(appInstance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_SHARED));
    };
    EXPECT_EQ(SendMessageW(dialog.handle(), WM_GETICON, ICON_BIG, 0),
              icon(IDI_CARDHOLD, GetSystemMetrics(SM_CXICON)));
    EXPECT_EQ(SendMessageW(dialog.handle(), WM_GETICON, ICON_SMALL, 0),
              icon(IDI_CARDHOLD_SMALL, GetSystemMetrics(SM_CXSMICON)));
    EXPECT_NE(SendMessageW(dialog.handle(), WM_GETICON, ICON_SMALL, 0), 0);
}

// The seam finds exactly the controls the in-memory dialog has, and after start-up
// both show the same texts and check states.
TEST(MainDialogWindow, HasTheInMemoryDialogsControls) {
    RealMainDialog real;
    Win32Dialog seam(real.handle());
    const DialogSnapshot realShot = snapshotOf(real.handle());
    resetProgramState();
    MemoryDialog memory;
    onInitDialog(memory);

    const std::vector<std::pair<int, int>> ranges = {
        {0, 10}, {1055, 1080}, {1995, 2005}, {8995, 9050}, {32765, 32790}};
    for (const auto& [first, last] : ranges)
        for (int id = first; id <= last; ++id)
            EXPECT_EQ(seam.hasControl(id), memory.hasControl(id)) << "id " << id;
    EXPECT_TRUE(realShot == snapshotOf(memory)) << differences(realShot, snapshotOf(memory));
}

} // namespace

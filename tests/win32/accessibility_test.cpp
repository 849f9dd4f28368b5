// What a screen reader reads of cardhold.exe's main dialog, from another process as a
// screen reader does: every control in tab order, the card list's field and entries
// after the list, through the object each answers for its client area
// (AccessibleObjectFromWindow): name, role and state, and a text's value.
#include <gtest/gtest.h>

#include <objbase.h>
#include <oleacc.h>

#include <cstdio>
#include <string>

#include "ui/control_ids.h"
#include "ui/dialog_layout.h"
#include "tools/win32/process_windows.h"
#include "tests/win32/wait_until.h"
#include "tests/win32/wine64_accessibility.h"

namespace {

std::wstring programPath;

std::string narrow(const std::wstring& wide) {
    return std::string(wide.begin(), wide.end()); // the names are ASCII
}

std::string readText(HRESULT result, BSTR text) {
    const std::string read = result == S_OK && text ? narrow(text) : "?";
    SysFreeString(text);
    return read;
}

std::string roleText(const VARIANT& role) {
    wchar_t text[64] = L"?";
    if (role.vt == VT_I4) GetRoleTextW(static_cast<DWORD>(role.lVal), text, 64);
    return narrow(text);
}

std::string stateText(const VARIANT& state) {
    if (state.vt != VT_I4) return "?";
    std::string text;
    for (DWORD bit = 1; bit != 0; bit <<= 1) {
        if (!(static_cast<DWORD>(state.lVal) & bit)) continue;
        wchar_t name[64] = L"";
        GetStateTextW(bit, name, 64);
        text += (text.empty() ? "" : ", ") + narrow(name);
    }
    return text.empty() ? "normal" : text;
}

// Another process's control: GetWindowText would not ask it.
std::wstring windowText(HWND window) {
    wchar_t text[1024] = L"";
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

struct Read {
    std::string line; // control | name | role | state
    std::string state;
};

// One control as a screen reader reads it; a static's or a field's value must be the
// text it shows.
Read readControl(HWND window, const std::string& control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
        return {control + " | no object", ""};
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT named = object->get_accName(self, &name);
    const std::string nameRead = readText(named, name);
    VARIANT role{}, state{};
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    if (role.vt == VT_I4 &&
        (role.lVal == ROLE_SYSTEM_STATICTEXT || role.lVal == ROLE_SYSTEM_TEXT)) {
        BSTR value = nullptr;
        EXPECT_EQ(object->get_accValue(self, &value), S_OK) << control;
        EXPECT_EQ(std::wstring(value ? value : L"?"), windowText(window)) << control;
        SysFreeString(value);
    }
    object->Release();
    char line[200];
    std::snprintf(line, sizeof line, "%-26s | %-26s | %-14s | %s", control.c_str(),
                  nameRead.c_str(), roleText(role).c_str(), stateText(state).c_str());
    return {line, stateText(state)};
}

std::string walk(HWND dialog) {
    std::string lines;
    HWND window = GetWindow(dialog, GW_CHILD);
    for (const ControlLayout& control : MainDialogLayout) {
        lines += readControl(window, control.idName).line + "\n";
        if (control.id == IDC_CARD_LIST) {
            const auto part = [&](const wchar_t* partClass) {
                return FindWindowExW(window, nullptr, partClass, nullptr);
            };
            lines += readControl(part(L"Edit"), "  its field").line + "\n";
            lines += readControl(part(L"ComboLBox"), "  its entries").line + "\n";
        }
        window = GetWindow(window, GW_HWNDNEXT);
    }
    return lines;
}

// The dialog as it starts, the list's field focused.
const char* const Walk = R"(
IDC_CARD_LIST              | Card list                  | combo box      | focusable
  its field                | Card name                  | text           | focused, focusable
  its entries              | Cards                      | list           | focusable
IDC_NONE                   | Filters and store decks    | grouping       | normal
IDC_NONE                   | Card Set                   | static text    | read only
IDC_NONE                   | Card Type                  | static text    | read only
IDC_NONE                   | Card Rarity                | static text    | read only
IDC_NONE                   | Card Search Deck           | static text    | read only
IDC_SET_ASHFALL            | Varnholm Ashfall           | check button   | checked, focusable
IDC_SET_EMBERKIN           | Varnholm Emberkin          | check button   | checked, focusable
IDC_SET_GRIMWARD           | Varnholm Grimward          | check button   | checked, focusable
IDC_SET_HOLLOWMERE         | Varnholm Hollowmere        | check button   | checked, focusable
IDC_SET_STORMREACH         | Varnholm Stormreach        | check button   | checked, focusable
IDC_SET_MORVEK             | Varnholm Morvek            | check button   | checked, focusable
IDC_SET_FROSTGATE          | Varnholm Frostgate         | check button   | checked, focusable
IDC_SET_ALL                | All card sets              | check button   | checked, focusable
IDC_TYPE_CHARACTER         | Character                  | check button   | checked, focusable
IDC_TYPE_RESOURCE_ALLY     | Resource Ally              | check button   | checked, focusable
IDC_TYPE_RESOURCE_FACTION  | Resource Faction           | check button   | checked, focusable
IDC_TYPE_RESOURCE_ITEM     | Resource Item              | check button   | checked, focusable
IDC_TYPE_RESOURCE_EVENT    | Resource Event             | check button   | checked, focusable
IDC_TYPE_HAZARD_CREATURE   | Hazard Creature            | check button   | checked, focusable
IDC_TYPE_HAZARD_EVENT      | Hazard Event               | check button   | checked, focusable
IDC_TYPE_SITE              | Site                       | check button   | checked, focusable
IDC_TYPE_REGION            | Region                     | check button   | checked, focusable
IDC_TYPE_ALL               | All card types             | check button   | checked, focusable
IDC_RARITY_FIXED           | Fixed                      | check button   | checked, focusable
IDC_RARITY_COMMON          | Common                     | check button   | checked, focusable
IDC_RARITY_UNCOMMON        | Uncommon                   | check button   | checked, focusable
IDC_RARITY_RARE            | Rare                       | check button   | checked, focusable
IDC_RARITY_PROMOTION       | Promotion                  | check button   | checked, focusable
IDC_RARITY_ALL             | All card rarities          | check button   | checked, focusable
IDC_SEARCH_DECK_ONE        | Search Deck One            | check button   | focusable
IDC_SEARCH_DECK_TWO        | Search Deck Two            | check button   | focusable
IDC_SEARCH_DECK_THREE      | Search Deck Three          | check button   | focusable
IDC_SEARCH_DECK_FOUR       | Search Deck Four           | check button   | focusable
IDC_SEARCH_DECK_FIVE       | Search Deck Five           | check button   | focusable
IDC_SEARCH_ALL             | Search all decks           | check button   | focusable
IDC_NONE                   | Card list and card info    | grouping       | normal
IDC_NONE                   | Cards                      | static text    | read only
IDC_MATCH_COUNT            | Cards shown                | static text    | read only
IDC_NONE                   | Card Set                   | static text    | read only
IDC_NONE                   | Card Type                  | static text    | read only
IDC_NONE                   | Card Rarity                | static text    | read only
IDC_NONE                   | Card Artist                | static text    | read only
IDC_PANEL_SET              | Card set                   | static text    | read only
IDC_PANEL_TYPE             | Card type                  | static text    | read only
IDC_PANEL_RARITY           | Card rarity                | static text    | read only
IDC_PANEL_ARTIST           | Card artist                | static text    | read only
IDC_NONE                   | Card ID                    | static text    | read only
IDC_PANEL_ID               | Card identifier            | static text    | read only
IDC_PANEL_TEXT             | Card text                  | static text    | read only
IDC_NONE                   | Card Info                  | grouping       | normal
IDC_NONE                   | Card Alignment             | static text    | read only
IDC_PANEL_ALIGNMENT        | Card alignment             | static text    | read only
IDC_CURRENT_DECK_ONE       | Current deck 1             | check button   | checked, focusable
IDC_CURRENT_DECK_TWO       | Current deck 2             | check button   | focusable
IDC_CURRENT_DECK_THREE     | Current deck 3             | check button   | focusable
IDC_CURRENT_DECK_FOUR      | Current deck 4             | check button   | focusable
IDC_CURRENT_DECK_FIVE      | Current deck 5             | check button   | focusable
IDC_NONE                   | Card Store Deck            | static text    | read only
IDC_PLUS                   | Add a copy                 | push button    | focusable
IDC_MINUS                  | Remove a copy              | push button    | focusable
IDC_NONE                   | Store Deck Info            | grouping       | normal
IDC_PANEL_HAS              | Copies in the current deck | static text    | read only
IDC_PANEL_TOTAL            | Current deck total         | static text    | read only
IDC_PANEL_COMPLETE         | Current deck completion    | static text    | read only
IDC_PANEL_ERRATA           | Card errata                | static text    | read only
IDC_NONE                   | Card Errata                | static text    | read only
IDC_NONE                   | Card List Box              | grouping       | normal
)";

class ScreenReader : public testing::Test {
  protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_TRUE(startProgram(programPath, process_)) << "cannot start the program";
        ASSERT_TRUE(waitUntil(
            [&] { return (dialog_ = mainDialogOf(process_.dwProcessId)) != nullptr; }, 20000));
        SetForegroundWindow(dialog_);
        ASSERT_TRUE(waitUntil([&] { return focused() == fieldOf(dialog_); }));
        if (accessibleObjectsUnreachableUnderWine64(GetDlgItem(dialog_, IDC_PLUS)))
            GTEST_SKIP() << Wine64SkipReason;
    }
    void TearDown() override {
        if (process_.hProcess) {
            TerminateProcess(process_.hProcess, 0);
            WaitForSingleObject(process_.hProcess, 10000);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
        CoUninitialize();
    }
    HWND focused() const {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(process_.dwThreadId, &gui);
        return gui.hwndFocus;
    }
    static HWND fieldOf(HWND dialog) {
        return FindWindowExW(GetDlgItem(dialog, IDC_CARD_LIST), nullptr, L"Edit", nullptr);
    }

    PROCESS_INFORMATION process_{};
    HWND dialog_ = nullptr;
};

TEST_F(ScreenReader, ReadsEveryControlsNameRoleAndState) {
    const std::string read = walk(dialog_);
    std::printf("%s", read.c_str());
    EXPECT_EQ("\n" + read, Walk);
}

TEST_F(ScreenReader, ReadsACheckBoxAsItsCheckFollows) {
    SendMessageW(GetDlgItem(dialog_, IDC_CURRENT_DECK_THREE), BM_CLICK, 0, 0);
    std::string checks;
    for (int id = IDC_CURRENT_DECK_FIRST; id <= IDC_CURRENT_DECK_LAST; ++id)
        checks +=
            readControl(GetDlgItem(dialog_, id), "").state.find("checked") != std::string::npos
                ? 'x'
                : '-';
    EXPECT_EQ(checks, "--x--");
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CARDHOLD.EXE\n", argv[0]);
        return 2;
    }
    programPath = windowsPath(argv[1]);
    return RUN_ALL_TESTS();
}

#include "shell/win32/control_accessibility.h"

#include <commctrl.h>
#include <oleacc.h>

#include <array>

#include "ui/control_ids.h"
#include "ui/dialog_layout.h"
#include "shell/win32/accessible_control.h"

namespace {

constexpr UINT_PTR AccessibilitySubclass = 1;

ControlAccessibility describe(const ControlLayout& control) {
    const char* name = accessibleName(control);
    switch (control.kind) {
    case ControlKind::SimpleComboBox: return {name, ROLE_SYSTEM_COMBOBOX, false, false, true};
    case ControlKind::GroupBox:
    case ControlKind::GroupBoxCentred: return {name, ROLE_SYSTEM_GROUPING, false, false, false};
    case ControlKind::StaticLeft:
    case ControlKind::StaticCentred: return {name, ROLE_SYSTEM_STATICTEXT, false, true, false};
    case ControlKind::AutoCheckBox:
    case ControlKind::AutoCheckBoxNotify: return {name, ROLE_SYSTEM_CHECKBUTTON, true, false, true};
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: return {name, ROLE_SYSTEM_PUSHBUTTON, false, false, true};
    }
    return {name, ROLE_SYSTEM_CLIENT, false, false, true};
}

// The controls in the table's order, then the card list's field and entries. Built
// once: the subclasses keep pointers into it.
using Descriptions = std::array<ControlAccessibility, MainDialogControlCount + 2>;
constexpr size_t CardListField = MainDialogControlCount;
constexpr size_t CardListEntries = MainDialogControlCount + 1;

const Descriptions& descriptions() {
    static const Descriptions all = [] {
        Descriptions made{};
        for (size_t i = 0; i < MainDialogControlCount; ++i)
            made[i] = describe(MainDialogLayout[i]);
        made[CardListField] = {CardListFieldName, ROLE_SYSTEM_TEXT, false, true, true};
        made[CardListEntries] = {CardListEntriesName, ROLE_SYSTEM_LIST, false, false, true};
        return made;
    }();
    return all;
}

// WM_GETOBJECT's object id is a DWORD, whatever the width of LPARAM.
bool asksForClient(LPARAM objectId) {
    return static_cast<LONG>(static_cast<DWORD>(objectId)) == OBJID_CLIENT;
}

LRESULT CALLBACK accessibleControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR about) {
    if (message == WM_GETOBJECT && asksForClient(lParam)) {
        const LRESULT answer = answerClientObject(
            control, wParam, *reinterpret_cast<const ControlAccessibility*>(about));
        if (answer) return answer;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, accessibleControlProc, AccessibilitySubclass);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void describe(HWND control, const ControlAccessibility& about) {
    SetWindowSubclass(control, accessibleControlProc, AccessibilitySubclass,
                      reinterpret_cast<DWORD_PTR>(&about));
}

} // namespace

void describeControlsToScreenReaders(HWND dialog) {
    const Descriptions& about = descriptions();
    // The dialog's children come in the table's (creation) order.
    HWND control = GetWindow(dialog, GW_CHILD);
    for (size_t i = 0; i < MainDialogControlCount && control; ++i) {
        describe(control, about[i]);
        control = GetWindow(control, GW_HWNDNEXT);
    }
    COMBOBOXINFO list{};
    list.cbSize = sizeof list;
    if (GetComboBoxInfo(GetDlgItem(dialog, IDC_CARD_LIST), &list)) {
        describe(list.hwndItem, about[CardListField]);
        describe(list.hwndList, about[CardListEntries]);
    }
}

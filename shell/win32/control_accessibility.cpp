#include "shell/win32/control_accessibility.h"

#include <commctrl.h>
#include <oleacc.h>

#include <array>

#include "ui/control_ids.h"
#include "ui/dialog_layout.h"
#include "shell/win32/accessible_control.h"

namespace {

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

} // namespace

void describeControlsToScreenReaders(HWND dialog) {
    const Descriptions& about = descriptions();
    // The dialog's children come in the table's (creation) order.
    HWND control = GetWindow(dialog, GW_CHILD);
    for (size_t i = 0; i < MainDialogControlCount && control; ++i) {
        describeToScreenReaders(control, about[i]);
        control = GetWindow(control, GW_HWNDNEXT);
    }
    COMBOBOXINFO list{};
    list.cbSize = sizeof list;
    if (GetComboBoxInfo(GetDlgItem(dialog, IDC_CARD_LIST), &list)) {
        describeToScreenReaders(list.hwndItem, about[CardListField]);
        describeToScreenReaders(list.hwndList, about[CardListEntries]);
    }
}

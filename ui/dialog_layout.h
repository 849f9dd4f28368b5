#pragma once
// The main dialog's 68 controls in creation (tab) order, in dialog units: the one
// description of them. The in-memory dialog is built from this table, and the
// resource script's control block is generated from it (tools/gen_dialog_controls).

enum class ControlKind {
    SimpleComboBox, // always-open list, vertical scroll bar, not sorted
    GroupBox,
    GroupBoxCentred,
    StaticLeft,
    StaticCentred,
    AutoCheckBox,
    AutoCheckBoxNotify,
    PushButton,
    DefaultPushButton, // the dialog manager's target for Enter outside a push button
};

struct ControlLayout {
    int id;             // IDC_NONE for captions and frames
    const char* idName; // the id's name in ui/control_ids.h, for the resource script
    ControlKind kind;
    const char* text;
    int x, y, width, height;
    // What a screen reader calls the control where its text does not say (or it has
    // none); the text otherwise. The text on screen stays as it is.
    const char* name = nullptr;
};

constexpr int MainDialogControlCount = 68;
extern const ControlLayout MainDialogLayout[MainDialogControlCount];

// A control's name for a screen reader: its `name`, else its text.
const char* accessibleName(const ControlLayout& control);
// The card list's own parts, which the table does not list: its field and its entries.
constexpr const char* CardListFieldName = "Card name";
constexpr const char* CardListEntriesName = "Cards";

// What makes a control of a kind that kind, in the resource script's terms: the
// statement that declares it (which decides whether the compiled template names its
// window class by number or by name), the window class, and the style bits.
struct ControlKindStyle {
    const char* statement;
    const char* windowClass;
    const char* style; // besides WS_CHILD | WS_VISIBLE, which every statement adds
    bool checkBox;     // toggles when clicked
};
const ControlKindStyle& kindStyle(ControlKind kind);

bool isCheckBox(ControlKind kind);

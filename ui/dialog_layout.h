#pragma once
// The main dialog's 68 controls in creation (tab) order, in dialog units. The
// in-memory dialog is built from this table, and a test under Wine holds the real
// dialog resource against it.

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
    int id; // -1 for captions and frames
    ControlKind kind;
    const char* text;
    int x, y, width, height;
};

constexpr int MainDialogControlCount = 68;
extern const ControlLayout MainDialogLayout[MainDialogControlCount];

bool isCheckBox(ControlKind kind);

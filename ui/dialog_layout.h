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
    int id; // -1 for captions and frames
    ControlKind kind;
    const char* text;
    int x, y, width, height;
};

constexpr int MainDialogControlCount = 68;
extern const ControlLayout MainDialogLayout[MainDialogControlCount];

bool isCheckBox(ControlKind kind);

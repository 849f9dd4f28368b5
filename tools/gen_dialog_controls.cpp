// Writes the main dialog's control block for the resource script from the layout
// table, so the table in ui/dialog_layout.cpp is the one place the 68 controls are
// described. The block is committed (a Windows build needs no generator);
// --check fails when the committed file is not what the table gives.
//
//   gen_dialog_controls FILE           writes FILE
//   gen_dialog_controls --check FILE   exit status 1 if FILE differs
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "ui/dialog_layout.h"

namespace {

std::string quoted(const char* text) {
    std::string out = "\"";
    for (const char* c = text; *c; ++c) {
        if (*c == '"') out += '"'; // the resource compiler doubles a quote
        if (*c == '\\') out += '\\';
        out += *c;
    }
    return out + "\"";
}

std::string place(const ControlLayout& control) {
    return std::to_string(control.x) + ", " + std::to_string(control.y) + ", " +
           std::to_string(control.width) + ", " + std::to_string(control.height);
}

// One resource statement; the styles give each kind what makes it that kind.
std::string statement(const ControlLayout& control) {
    const std::string id = std::to_string(control.id);
    const std::string text = quoted(control.text);
    const std::string common = text + ", " + id + ", " + place(control);
    const auto button = [&](const char* style) {
        return "CONTROL " + text + ", " + id + ", \"Button\", " + style + ", " + place(control);
    };
    switch (control.kind) {
    case ControlKind::SimpleComboBox:
        return "COMBOBOX " + id + ", " + place(control) + ", CBS_SIMPLE | WS_VSCROLL | WS_TABSTOP";
    case ControlKind::GroupBox: return "GROUPBOX " + common;
    case ControlKind::GroupBoxCentred: return "GROUPBOX " + common + ", BS_CENTER";
    // Labels the program writes show catalogue text, where "&" is no mnemonic.
    case ControlKind::StaticLeft:
        return "LTEXT " + common + (control.id != -1 ? ", SS_NOPREFIX" : "");
    case ControlKind::StaticCentred:
        return "CTEXT " + common + (control.id != -1 ? ", SS_NOPREFIX" : "");
    case ControlKind::AutoCheckBox: return button("BS_AUTOCHECKBOX | WS_TABSTOP");
    case ControlKind::AutoCheckBoxNotify: return button("BS_AUTOCHECKBOX | BS_NOTIFY | WS_TABSTOP");
    case ControlKind::DefaultPushButton: return "DEFPUSHBUTTON " + common;
    case ControlKind::PushButton: return "PUSHBUTTON " + common;
    }
    return "";
}

std::string controlBlock() {
    std::string out = "// The main dialog's controls, generated from ui/dialog_layout.cpp by\n"
                      "// tools/gen_dialog_controls.cpp: edit the table, not this file.\n";
    for (const ControlLayout& control : MainDialogLayout)
        out += "    " + statement(control) + "\n";
    return out;
}

// Line ends aside: a Windows checkout may hold the file with CR LF.
std::string withoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string_view(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: gen_dialog_controls [--check] FILE\n");
        return 2;
    }
    const char* path = argv[argc - 1];
    const std::string block = controlBlock();
    if (check) {
        std::ifstream in(path, std::ios::binary);
        const std::string committed{std::istreambuf_iterator<char>(in), {}};
        if (in.is_open() && withoutCarriageReturns(committed) == block) return 0;
        std::fprintf(stderr,
                     "%s is not what ui/dialog_layout.cpp gives; rebuild the target "
                     "dialog_controls (or run gen_dialog_controls %s)\n",
                     path, path);
        return 1;
    }
    std::ofstream out(path, std::ios::binary);
    out << block;
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    return 0;
}

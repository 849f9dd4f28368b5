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

#include "ui/control_ids.h"
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

// One resource statement: the kind's statement and style, written out in full.
std::string statement(const ControlLayout& control) {
    const ControlKindStyle& kind = kindStyle(control.kind);
    const std::string_view keyword = kind.statement;
    std::string style = kind.style;
    // Labels the program writes show catalogue text, where "&" is no mnemonic; a
    // caption starts a group, as a text statement without a style does.
    if (std::string_view(kind.windowClass) == "Static")
        style += control.id != IDC_NONE ? " | SS_NOPREFIX" : " | WS_GROUP";
    std::string out = std::string(keyword) + " ";
    if (keyword != "COMBOBOX") out += quoted(control.text) + ", ";
    out += std::string(control.idName) + ", ";
    if (keyword == "CONTROL")
        return out + "\"" + kind.windowClass + "\", " + style + ", " + place(control);
    return out + place(control) + ", " + style;
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

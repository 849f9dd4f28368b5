#include "tools_window/win32/tools_controls.h"

#include "files/win32/utf8.h"
#include "tools_window/win32/tools_ids.h"

namespace {

HFONT fixedFont = nullptr;

void fillDeckList(HWND dialog, int id, const wchar_t* first) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(first));
    for (int deck = 1; deck <= 5; ++deck) {
        const std::wstring name = L"Deck " + std::to_wstring(deck);
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SendMessageW(list, CB_SETCURSEL, id == IDC_IMPORT_DECK ? 1 : 0, 0);
}

int selection(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

bool checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

std::string text(HWND dialog, int id) {
    return narrow(controlTextW(dialog, id).c_str());
}

void enable(HWND dialog, int id, bool enabled) {
    EnableWindow(GetDlgItem(dialog, id), enabled);
}

BOOL CALLBACK showInGroup(HWND control, LPARAM task) {
    const int id = GetDlgCtrlID(control);
    if (id < IDC_TOOLS_GROUP_FIRST(0) || id > IDC_TOOLS_GROUP_LAST(ToolsTaskCount - 1)) return TRUE;
    const bool shown = id >= IDC_TOOLS_GROUP_FIRST(task) && id <= IDC_TOOLS_GROUP_LAST(task);
    ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}

} // namespace

std::wstring controlTextW(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void setControlTextW(HWND dialog, int id, const std::wstring& text) {
    SetDlgItemTextW(dialog, id, text.c_str());
}

void setUpControls(HWND dialog) {
    fillDeckList(dialog, IDC_IMPORT_DECK, L"As the file's columns say");
    fillDeckList(dialog, IDC_EXPORT_DECK, L"All decks");
    fillDeckList(dialog, IDC_LISTS_DECK, L"The collection");
    for (int id : {IDC_TOOLS_TASK_IMPORT, IDC_IMPORT_ADD, IDC_EXPORT_CSV, IDC_LISTS_WANTS})
        CheckDlgButton(dialog, id, BST_CHECKED);
    // The output box in a fixed-pitch face of the dialog font's height, so tables line up.
    LOGFONTW face{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof face, &face);
    LOGFONTW fixed{};
    fixed.lfHeight = face.lfHeight;
    fixed.lfCharSet = DEFAULT_CHARSET;
    fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyW(fixed.lfFaceName, L"Courier New");
    fixedFont = CreateFontIndirectW(&fixed);
    SendDlgItemMessageW(dialog, IDC_TOOLS_PREVIEW, WM_SETFONT, reinterpret_cast<WPARAM>(fixedFont),
                        FALSE);
}

void releaseControls() {
    if (fixedFont) DeleteObject(fixedFont);
    fixedFont = nullptr;
}

ToolsFields readFields(HWND dialog) {
    ToolsFields fields;
    fields.deckFile = text(dialog, IDC_TOOLS_DECK_FILE);
    for (int task = 0; task < ToolsTaskCount; ++task)
        if (checked(dialog, IDC_TOOLS_TASK_IMPORT + task)) fields.task = ToolsTask(task);
    fields.importFile = text(dialog, IDC_IMPORT_FILE);
    fields.importDeck = selection(dialog, IDC_IMPORT_DECK);
    fields.replaceDeck = checked(dialog, IDC_IMPORT_REPLACE);
    fields.exportCsv = checked(dialog, IDC_EXPORT_CSV);
    fields.exportDeck = fields.exportCsv ? 0 : selection(dialog, IDC_EXPORT_DECK);
    fields.spares = checked(dialog, IDC_LISTS_SPARES);
    for (int rarity = 0; rarity < 5; ++rarity)
        fields.rarityCounts[static_cast<std::size_t>(rarity)] =
            text(dialog, IDC_LISTS_COUNT_F + rarity);
    fields.listDeck = selection(dialog, IDC_LISTS_DECK);
    fields.theirDeckFile = text(dialog, IDC_TRADE_DECK_FILE);
    fields.theirWants = text(dialog, IDC_TRADE_WANTS);
    fields.theirSpares = text(dialog, IDC_TRADE_SPARES);
    fields.theirLists = fields.theirDeckFile.empty();
    fields.myTarget = text(dialog, IDC_TRADE_MY_TARGET);
    fields.myKeep = text(dialog, IDC_TRADE_MY_KEEP);
    fields.theirTarget = text(dialog, IDC_TRADE_THEIR_TARGET);
    fields.theirKeep = text(dialog, IDC_TRADE_THEIR_KEEP);
    fields.balanced = checked(dialog, IDC_TRADE_BALANCED);
    fields.pageTitle = text(dialog, IDC_PAGE_TITLE);
    fields.pageTarget = text(dialog, IDC_PAGE_TARGET);
    return fields;
}

void showForm(HWND dialog, const ToolsForm& form) {
    const ToolsFields& fields = form.fields();
    EnumChildWindows(dialog, showInGroup, static_cast<LPARAM>(fields.task));
    setControlTextW(dialog, IDC_TOOLS_DECK_LINE, widen(form.deckFile().text));
    setControlTextW(dialog, IDC_TOOLS_STATUS, widen(form.missing()));
    enable(dialog, IDC_TOOLS_PREVIEW_RUN, form.canPreview());
    for (int id : {IDC_IMPORT_RUN, IDC_EXPORT_SAVE, IDC_LISTS_SAVE, IDC_TRADE_SAVE, IDC_PAGE_WRITE})
        enable(dialog, id, form.canRun());
    enable(dialog, IDC_TRADE_APPLY, form.canApplyTrade());
    enable(dialog, IDC_EXPORT_DECK, !fields.exportCsv); // a CSV holds all five decks
}

void showOutput(HWND dialog, const std::string& utf8) {
    std::wstring shown;
    for (wchar_t letter : widen(utf8)) {
        if (letter == L'\n' && (shown.empty() || shown.back() != L'\r')) shown += L'\r';
        shown += letter;
    }
    setControlTextW(dialog, IDC_TOOLS_PREVIEW, shown);
}

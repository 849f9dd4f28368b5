#include "tools_window/win32/tools_dialog.h"

#include <shellapi.h>

#include "files/win32/utf8.h"
#include "tools_window/win32/page_opener.h"
#include "tools_window/win32/tools_accessibility.h"
#include "tools_window/win32/tools_chooser.h"
#include "tools_window/win32/tools_controls.h"
#include "tools_window/win32/tools_ids.h"

#ifndef CARDHOLD_VERSION
#define CARDHOLD_VERSION "unknown"
#endif

namespace {

// One dialog at a time: its model lives as long as the program.
ToolsForm form;
std::string firstDeckFile;

constexpr wchar_t DeckFiles[] = L"Deck files (*.tvn)\0*.tvn\0All files\0*.*\0";
constexpr wchar_t ImportFiles[] =
    L"Spreadsheets and card lists (*.csv;*.txt)\0*.csv;*.txt\0All files\0*.*\0";
constexpr wchar_t CsvFiles[] = L"CSV (*.csv)\0*.csv\0";
constexpr wchar_t ListFiles[] = L"Card list (*.txt)\0*.txt\0";
constexpr wchar_t ListOrCsv[] = L"Card list (*.txt)\0*.txt\0CSV (*.csv)\0*.csv\0";
constexpr wchar_t PageFiles[] = L"Web page (*.html)\0*.html\0";

void refresh(HWND dialog) {
    form.setFields(readFields(dialog));
    showForm(dialog, form);
}

// The model's outcome in the output box, with the wait cursor while it runs.
template <typename Operation> INT_PTR run(HWND dialog, Operation operation) {
    HCURSOR before = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    const ToolsOutcome outcome = operation();
    SetCursor(before);
    showOutput(dialog, outcome.text);
    showForm(dialog, form);
    return TRUE;
}

// The folder of the deck file joined to `name`: where its outputs go by default.
std::wstring besideDeckFile(const wchar_t* name) {
    const std::wstring deck = widen(form.fields().deckFile);
    const std::size_t slash = deck.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? L"" : deck.substr(0, slash + 1)) + name;
}

bool choose(HWND dialog, ChooserRequest request, std::wstring& path) {
    return chooseFile(dialog, request, path);
}

INT_PTR browseInto(HWND dialog, int field, const wchar_t* title, const wchar_t* filter) {
    std::wstring path;
    if (choose(dialog, {false, title, filter, L"", controlTextW(dialog, field)}, path))
        setControlTextW(dialog, field, path); // its EN_CHANGE refreshes the form
    return TRUE;
}

INT_PTR saveAs(HWND dialog, const wchar_t* filter, const wchar_t* extension, const wchar_t* name) {
    std::wstring path;
    if (!choose(dialog, {true, L"Save As", filter, extension, besideDeckFile(name)}, path))
        return TRUE;
    return run(dialog, [&] { return form.run(narrow(path.c_str())); });
}

INT_PTR exportDecks(HWND dialog) {
    const bool csv = form.fields().exportCsv;
    return saveAs(dialog, csv ? CsvFiles : ListFiles, csv ? L"csv" : L"txt",
                  csv ? L"collection.csv" : L"collection.txt");
}

INT_PTR saveList(HWND dialog) {
    return saveAs(dialog, ListOrCsv, L"txt", form.fields().spares ? L"spares.txt" : L"wants.txt");
}

INT_PTR saveTradeLists(HWND dialog) {
    std::wstring give, get;
    if (!choose(dialog,
                {true, L"Save the list you give", ListFiles, L"txt", besideDeckFile(L"give.txt")},
                give) ||
        !choose(dialog,
                {true, L"Save the list you get", ListFiles, L"txt", besideDeckFile(L"get.txt")},
                get))
        return TRUE;
    return run(dialog,
               [&] { return form.saveTradeLists(narrow(give.c_str()), narrow(get.c_str())); });
}

INT_PTR applyTrade(HWND dialog) {
    const ToolsOutcome check = form.applyTrade(true);
    if (!check.ok()) return showOutput(dialog, check.text), TRUE;
    const std::wstring question =
        widen(check.text) + L"\nApply this trade to " + widen(form.fields().deckFile) + L"?";
    if (MessageBoxW(dialog, question.c_str(), L"Cardhold Tools", MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return TRUE;
    return run(dialog, [] { return form.applyTrade(false); });
}

INT_PTR writePage(HWND dialog) {
    std::wstring path;
    if (!choose(dialog, {true, L"Save As", PageFiles, L"html", besideDeckFile(L"collection.html")},
                path))
        return TRUE;
    run(dialog, [&] { return form.run(narrow(path.c_str())); });
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) openPage(path);
    return TRUE;
}

// A deck file dropped on the window becomes the deck file; anything else, the file
// to import.
INT_PTR takeDroppedFile(HWND dialog, HDROP drop) {
    std::wstring path(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
    DragFinish(drop);
    if (describeDeckFile(narrow(path.c_str())).state.readable) {
        setControlTextW(dialog, IDC_TOOLS_DECK_FILE, path);
        return TRUE;
    }
    CheckRadioButton(dialog, IDC_TOOLS_TASK_IMPORT, IDC_TOOLS_TASK_PAGE, IDC_TOOLS_TASK_IMPORT);
    setControlTextW(dialog, IDC_IMPORT_FILE, path);
    refresh(dialog);
    return TRUE;
}

INT_PTR onInit(HWND dialog) {
    const std::wstring caption = L"Cardhold Tools " + widen(CARDHOLD_VERSION);
    SetWindowTextW(dialog, caption.c_str());
    const auto icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TOOLS), IMAGE_ICON,
                                 0, 0, LR_DEFAULTSIZE | LR_SHARED);
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    setUpControls(dialog);
    describeToolsControls(dialog);
    setControlTextW(dialog, IDC_TOOLS_DECK_FILE, widen(firstDeckFile));
    refresh(dialog);
    return TRUE;
}

INT_PTR onCommand(HWND dialog, int id, int notification) {
    switch (id) {
    case IDC_TOOLS_DECK_BROWSE:
        return browseInto(dialog, IDC_TOOLS_DECK_FILE, L"Deck file", DeckFiles);
    case IDC_IMPORT_BROWSE:
        return browseInto(dialog, IDC_IMPORT_FILE, L"File to import", ImportFiles);
    case IDC_TRADE_DECK_BROWSE:
        return browseInto(dialog, IDC_TRADE_DECK_FILE, L"Their deck file", DeckFiles);
    case IDC_TRADE_WANTS_BROWSE:
        return browseInto(dialog, IDC_TRADE_WANTS, L"Their wants", ImportFiles);
    case IDC_TRADE_SPARES_BROWSE:
        return browseInto(dialog, IDC_TRADE_SPARES, L"Their spares", ImportFiles);
    case IDC_TOOLS_PREVIEW_RUN: return run(dialog, [] { return form.preview(); });
    case IDC_IMPORT_RUN: return run(dialog, [] { return form.run(""); });
    case IDC_EXPORT_SAVE: return exportDecks(dialog);
    case IDC_LISTS_SAVE: return saveList(dialog);
    case IDC_TRADE_SAVE: return saveTradeLists(dialog);
    case IDC_TRADE_APPLY: return applyTrade(dialog);
    case IDC_PAGE_WRITE: return writePage(dialog);
    case IDCANCEL: return EndDialog(dialog, IDCANCEL), TRUE;
    default:
        if (notification == EN_CHANGE || notification == BN_CLICKED ||
            notification == CBN_SELCHANGE)
            refresh(dialog);
        return TRUE;
    }
}

INT_PTR CALLBACK toolsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return onInit(dialog);
    case WM_COMMAND: return onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_DROPFILES: return takeDroppedFile(dialog, reinterpret_cast<HDROP>(wParam));
    case WM_DESTROY: return releaseControls(), FALSE;
    default: return (void)lParam, FALSE;
    }
}

} // namespace

INT_PTR runToolsDialog(HINSTANCE instance, const std::string& deckFile) {
    firstDeckFile = deckFile;
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_TOOLS), nullptr, toolsDialogProc, 0);
}

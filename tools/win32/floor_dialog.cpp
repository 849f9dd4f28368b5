#include "tools/win32/floor_dialog.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"
#include "catalogue/windows1252.h"
#include "ui/control_ids.h"

namespace {

bool allTypes = true; // type "All" box
bool firstSet = true; // set box 9000

void show(HWND dialog, int id, const std::string& text) {
    const std::u16string wide = windows1252ToUtf16(text);
    SetDlgItemTextW(dialog, id, reinterpret_cast<const wchar_t*>(wide.c_str()));
}

bool listed(const CardRecord& card) {
    return allTypes && (firstSet || card.set != 0);
}

// The least a filter click can do: refill the list with redraw off and storage
// reserved, then write the count and each panel label once.
void refill(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_CARD_LIST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    SendMessageW(list, CB_INITSTORAGE, CardCount, CardCount * 38 * sizeof(wchar_t));
    int count = 0, first = -1;
    for (int card = 0; card < CardCount; ++card) {
        if (!listed(CardCatalogue[card])) continue;
        if (first < 0) first = card;
        const std::u16string name = windows1252ToUtf16(CardCatalogue[card].name);
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        ++count;
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    SendMessageW(list, CB_SETCURSEL, first < 0 ? static_cast<WPARAM>(-1) : 0, 0);
    show(dialog, IDC_MATCH_COUNT, std::to_string(count));

    const CardRecord* card = first < 0 ? nullptr : &CardCatalogue[first];
    const auto field = [&](const char* text, std::size_t blank) {
        return card ? std::string(text) : std::string(blank, ' ');
    };
    show(dialog, IDC_PANEL_SET, field(card ? SetNames[card->set] : "", 19));
    show(dialog, IDC_PANEL_TYPE, field(card ? TypeNames[card->type] : "", 19));
    show(dialog, IDC_PANEL_RARITY,
         card ? std::string(RarityNames[card->rarity]) + " " + card->rarityCode : field("", 19));
    show(dialog, IDC_PANEL_ARTIST, field(card ? card->artist : "", 19));
    show(dialog, IDC_PANEL_ID, field(card ? card->cardId : "", 19));
    show(dialog, IDC_PANEL_ALIGNMENT, field(card ? AlignmentNames[card->alignment] : "", 19));
    show(dialog, IDC_PANEL_TEXT, field(card ? card->text : "", 380));
    show(dialog, IDC_PANEL_ERRATA, field(card ? card->errata : "", 91));
    show(dialog, IDC_PANEL_HAS, std::string("Deck  1 has 0 ") + (card ? card->name : ""));
    show(dialog, IDC_PANEL_TOTAL, "Store Deck 1 total 0 Cards");
    show(dialog, IDC_PANEL_COMPLETE, "Deck  1 is 0 % Complete.");
}

INT_PTR CALLBACK floorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        for (int id = IDC_SET_FIRST; id <= IDC_SEARCH_ALL; ++id)
            if (id < IDC_SEARCH_FIRST && GetDlgItem(dialog, id)) CheckDlgButton(dialog, id, 1);
        CheckDlgButton(dialog, IDC_CURRENT_DECK_FIRST, BST_CHECKED);
        refill(dialog);
        return TRUE;
    case WM_COMMAND:
        // Clicks only: the "All" boxes also report focus changes.
        if (HIWORD(wParam) != BN_CLICKED) return TRUE;
        switch (LOWORD(wParam)) {
        case IDC_CANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_TYPE_ALL: allTypes = IsDlgButtonChecked(dialog, IDC_TYPE_ALL); break;
        case IDC_SET_FIRST: firstSet = IsDlgButtonChecked(dialog, IDC_SET_FIRST); break;
        default: return TRUE;
        }
        refill(dialog);
        return TRUE;
    default: return FALSE;
    }
}

} // namespace

int runFloorDialog() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return static_cast<int>(DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN),
                                            nullptr, floorProc, 0));
}

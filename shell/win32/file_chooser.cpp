#include "shell/win32/file_chooser.h"

#include "files/win32/utf8.h"

namespace {

// Wide buffers, larger than the classic 260 characters so that long paths fit.
constexpr DWORD PathCapacity = 4096;
constexpr DWORD TitleCapacity = 512;

OPENFILENAMEW chooser;
wchar_t pathBuffer[PathCapacity];
wchar_t titleBuffer[TitleCapacity];
wchar_t initialDirectory[PathCapacity];
ChooserHook chooserHook = nullptr;

// Fills every field, so nothing an earlier chooser left behind survives.
void applySetup(HWND owner, FileKind kind) {
    const bool deck = kind == FileKind::Deck;
    chooser = OPENFILENAMEW{};
    chooser.lStructSize = OPENFILENAME_SIZE_VERSION_400W; // the classic form
    chooser.hwndOwner = owner;
    chooser.hInstance = nullptr;
    chooser.lpstrFilter = deck ? L"TAVEN Files (*.TVN)\0*.tvn\0" : L"Text Files (*.TXT)\0*.txt\0";
    chooser.lpstrCustomFilter = nullptr;
    chooser.nMaxCustFilter = 0;
    chooser.nFilterIndex = 0;
    chooser.nMaxFile = PathCapacity;
    chooser.nMaxFileTitle = TitleCapacity;
    chooser.lpstrTitle = nullptr;
    chooser.lpstrDefExt = deck ? L"Tvn" : L"txt";
    chooser.lCustData = 0;
    chooser.lpfnHook = nullptr;
    chooser.lpTemplateName = nullptr;
}

} // namespace

void recordChooserDirectory() {
    const DWORD length = GetCurrentDirectoryW(PathCapacity, initialDirectory);
    // Too long to hold: the chooser then starts where the system chooses.
    if (length == 0 || length >= PathCapacity) initialDirectory[0] = L'\0';
}

bool runFileChooser(HWND owner, ChooserMode mode, FileKind kind, std::string& utf8Path,
                    const std::string& utf8Title) {
    applySetup(owner, kind);
    const std::wstring title = widen(utf8Title);
    if (!title.empty()) chooser.lpstrTitle = title.c_str();
    pathBuffer[0] = L'\0';
    titleBuffer[0] = L'\0';
    chooser.lpstrFile = pathBuffer;
    chooser.lpstrFileTitle = titleBuffer;
    chooser.lpstrInitialDir = initialDirectory[0] ? initialDirectory : nullptr;
    const bool open = mode == ChooserMode::Open;
    chooser.Flags = open ? OFN_HIDEREADONLY : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

    bool confirmed;
    if (chooserHook)
        confirmed = chooserHook(mode, kind, chooser);
    else
        confirmed = open ? GetOpenFileNameW(&chooser) : GetSaveFileNameW(&chooser);
    if (!confirmed) return false;
    pathBuffer[PathCapacity - 1] = L'\0';
    utf8Path = narrow(pathBuffer);
    return true;
}

void setChooserHook(ChooserHook hook) {
    chooserHook = hook;
}

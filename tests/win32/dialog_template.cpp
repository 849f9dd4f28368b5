#include "tests/win32/dialog_template.h"

namespace {

// Reads the template's words in order; strings and ordinals as the resource
// compiler writes them.
class WordReader {
  public:
    explicit WordReader(const BYTE* start) : start_(start), at_(start) {}
    WORD word() {
        WORD value;
        CopyMemory(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    DWORD dword() {
        const DWORD low = word();
        return low | (static_cast<DWORD>(word()) << 16);
    }
    short signedWord() { return static_cast<short>(word()); }
    std::wstring string() {
        std::wstring text;
        for (WORD c = word(); c != 0; c = word())
            text.push_back(static_cast<wchar_t>(c));
        return text;
    }
    // An ordinal (0xFFFF then a number) or a string; `ordinal` is 0 for a string.
    std::wstring stringOrOrdinal(WORD& ordinal) {
        ordinal = 0;
        const WORD first = word();
        if (first == 0) return {};
        if (first == 0xFFFF) {
            ordinal = word();
            return {};
        }
        std::wstring text(1, static_cast<wchar_t>(first));
        return text + string();
    }
    void alignToDword() {
        while ((at_ - start_) % 4 != 0)
            ++at_;
    }
    void skip(size_t bytes) { at_ += bytes; }

  private:
    const BYTE* start_;
    const BYTE* at_;
};

std::wstring predefinedClass(WORD atom) {
    switch (atom) {
    case 0x80: return L"Button";
    case 0x81: return L"Edit";
    case 0x82: return L"Static";
    case 0x83: return L"ListBox";
    case 0x84: return L"ScrollBar";
    case 0x85: return L"ComboBox";
    default: return L"#" + std::to_wstring(atom);
    }
}

TemplateItem readItem(WordReader& in, bool extended) {
    TemplateItem item;
    in.alignToDword();
    if (extended) {
        in.dword(); // help id
        in.dword(); // extended style
        item.style = in.dword();
    } else {
        item.style = in.dword();
        in.dword(); // extended style
    }
    item.x = in.signedWord();
    item.y = in.signedWord();
    item.width = in.signedWord();
    item.height = in.signedWord();
    item.id = extended ? static_cast<int>(in.dword()) : in.signedWord();
    WORD atom;
    item.className = in.stringOrOrdinal(atom);
    if (atom) item.className = predefinedClass(atom);
    WORD textOrdinal;
    item.text = in.stringOrOrdinal(textOrdinal);
    in.skip(in.word()); // creation data
    return item;
}

} // namespace

DialogTemplate readDialogTemplate(HMODULE module, int id, WORD language) {
    DialogTemplate result;
    HRSRC resource = FindResourceExW(module, MAKEINTRESOURCEW(5) /* RT_DIALOG */,
                                     MAKEINTRESOURCEW(id), language);
    if (!resource) return result;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    if (!bytes) return result;
    result.found = true;

    WordReader in(bytes);
    const bool extended = in.word() == 1 && in.word() == 0xFFFF;
    if (extended) {
        in.dword(); // help id
        in.dword(); // extended style
        result.style = in.dword();
    } else {
        in = WordReader(bytes);
        result.style = in.dword();
        in.dword(); // extended style
    }
    const int count = in.word();
    result.x = in.signedWord();
    result.y = in.signedWord();
    result.width = in.signedWord();
    result.height = in.signedWord();
    WORD menu;
    in.stringOrOrdinal(menu); // a menu given by name is not used here
    result.menuId = menu;
    WORD classOrdinal;
    in.stringOrOrdinal(classOrdinal);
    result.caption = in.string();
    if (result.style & DS_SETFONT) {
        result.fontPoints = in.word();
        if (extended) {
            in.word(); // weight
            in.word(); // italic and character set
        }
        result.fontName = in.string();
    }
    for (int i = 0; i < count; ++i)
        result.items.push_back(readItem(in, extended));
    return result;
}

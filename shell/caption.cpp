#include "shell/caption.h"

#include <cstddef>
#include <filesystem>

#include "ui/dialog.h"
#include "ui/dialog_layout.h"
#include "store/unsaved_changes.h"

namespace {

constexpr std::size_t LongestShownName = 32;
constexpr const char* Ellipsis = "\xE2\x80\xA6";

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

} // namespace

std::string fileNameOf(const std::string& utf8Path) {
    const std::u8string name =
        std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()))
            .filename()
            .u8string();
    return std::string(name.begin(), name.end());
}

std::string shortFileName(const std::string& utf8Name) {
    std::size_t characters = 0, cut = utf8Name.size();
    for (std::size_t at = 0; at < utf8Name.size(); ++at) {
        if (!startsCharacter(utf8Name[at])) continue;
        if (++characters == LongestShownName) cut = at;
        if (characters > LongestShownName) return utf8Name.substr(0, cut) + Ellipsis;
    }
    return utf8Name;
}

std::string captionText() {
    const std::string& file = savedFileName();
    if (file.empty()) return MainDialogCaption;
    // Appended piece by piece: a string put in front of another trips a false
    // -Wrestrict of mingw's gcc 12 at -O3.
    std::string caption = decksChangedSinceSave() ? "*" : "";
    caption.append(shortFileName(file)).append(" - ").append(MainDialogCaption);
    return caption;
}

void showCaption(Dialog& dialog) {
    dialog.setCaption(captionText());
}

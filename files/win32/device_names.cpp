#include "files/win32/device_names.h"

#include <algorithm>
#include <cctype>

namespace {

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool isDeviceStem(const std::string& stem) {
    for (const char* name : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"})
        if (stem == name) return true;
    if (stem.size() < 4 || !(startsWith(stem, "COM") || startsWith(stem, "LPT"))) return false;
    const std::string digit = stem.substr(3);
    // 1 to 9, and the superscript digits one, two and three (UTF-8).
    return (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') || digit == "\xC2\xB9" ||
           digit == "\xC2\xB2" || digit == "\xC2\xB3";
}

} // namespace

bool namesWindowsDevice(const std::string& path) {
    std::string text = path;
    std::replace(text.begin(), text.end(), '/', '\\');
    if (startsWith(text, "\\\\.\\")) return true;
    // A long path is a drive or a share; anything else behind "\\?\" is not a plain file.
    if (startsWith(text, "\\\\?\\")) {
        const std::string rest = upper(text.substr(4));
        const bool drive = rest.size() >= 3 && std::isalpha(static_cast<unsigned char>(rest[0])) &&
                           rest[1] == ':' && rest[2] == '\\';
        if (!drive && !startsWith(rest, "UNC\\")) return true;
    }
    const std::size_t cut = text.find_last_of("\\:");
    std::string name = cut == std::string::npos ? text : text.substr(cut + 1);
    if (name.empty() && cut != std::string::npos && text[cut] == ':') {
        // "NUL:" names the device too.
        const std::size_t before = text.find_last_of('\\', cut);
        name = text.substr(before == std::string::npos ? 0 : before + 1,
                           cut - (before == std::string::npos ? 0 : before + 1));
    }
    std::string stem = upper(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    return isDeviceStem(stem);
}

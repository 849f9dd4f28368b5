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

bool isDriveLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// `base` upper-cased.
bool isDeviceBase(const std::string& base) {
    for (const char* name : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (base == name) return true;
    if (!(startsWith(base, "COM") || startsWith(base, "LPT"))) return false;
    const std::string digit = base.substr(3);
    // 0 to 9, and the superscript digits one, two and three (UTF-8).
    return (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') || digit == "\xC2\xB9" ||
           digit == "\xC2\xB2" || digit == "\xC2\xB3";
}

} // namespace

// Windows' own rule: the last component of the path ("C:nul" is "nul" on drive C:),
// up to its first dot or colon (an extension, a stream "::$DATA", a serial port's
// settings "COM1:9600"), without trailing spaces and dots, in any case.
bool namesWindowsDevice(const std::string& path) {
    std::string text = path;
    std::replace(text.begin(), text.end(), '/', '\\');
    if (startsWith(text, "\\\\.\\")) return true;
    // A long path is a drive or a share; anything else behind "\\?\" is not a plain file.
    if (startsWith(text, "\\\\?\\")) {
        const std::string rest = upper(text.substr(4));
        const bool drive =
            rest.size() >= 3 && isDriveLetter(rest[0]) && rest[1] == ':' && rest[2] == '\\';
        if (!drive && !startsWith(rest, "UNC\\")) return true;
    }
    const std::size_t cut = text.rfind('\\');
    std::string name = cut == std::string::npos ? text : text.substr(cut + 1);
    if (cut == std::string::npos && name.size() >= 2 && isDriveLetter(name[0]) && name[1] == ':')
        name.erase(0, 2);
    std::string base = upper(name.substr(0, name.find_first_of(".:")));
    while (!base.empty() && (base.back() == ' ' || base.back() == '.'))
        base.pop_back();
    return isDeviceBase(base);
}

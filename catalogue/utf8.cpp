#include "catalogue/utf8.h"

std::size_t writeUtf8(char32_t codePoint, char* out) {
    const auto continuation = [&](int shift) {
        return static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F));
    };
    if (codePoint < 0x80) {
        out[0] = static_cast<char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        out[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        out[1] = continuation(0);
        return 2;
    }
    if (codePoint < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (codePoint >> 12));
        out[1] = continuation(6);
        out[2] = continuation(0);
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (codePoint >> 18));
    out[1] = continuation(12);
    out[2] = continuation(6);
    out[3] = continuation(0);
    return 4;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    char bytes[4];
    out.append(bytes, writeUtf8(codePoint, bytes));
}

long nextCodePoint(std::string_view text, std::size_t& at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return ++at, lead;
    const int extra = lead >= 0xC2 && lead < 0xE0   ? 1
                      : lead >= 0xE0 && lead < 0xF0 ? 2
                      : lead >= 0xF0 && lead < 0xF5 ? 3
                                                    : -1;
    if (extra < 0 || at + extra >= text.size()) return ++at, -1;
    unsigned long codePoint = lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        const unsigned char next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return ++at, -1;
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    static constexpr unsigned long Smallest[] = {0, 0x80, 0x800, 0x10000};
    if (codePoint < Smallest[extra] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint < 0xE000))
        return ++at, -1;
    at += extra + 1;
    return static_cast<long>(codePoint);
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        if (nextCodePoint(text, at) < 0) return false;
    }
    return true;
}

#include "cli/text/text_decoding.h"

#include <cstring>

#include "catalogue/windows1252.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr unsigned long Replacement = 0xFFFD;

unsigned char byteAt(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string text;
    text.reserve(bytes.size() / 2 * 3);
    const auto unitAt = [&](std::size_t at) -> unsigned long {
        const unsigned long first = byteAt(bytes, at), second = byteAt(bytes, at + 1);
        return bigEndian ? first << 8 | second : second << 8 | first;
    };
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        unsigned long unit = unitAt(at);
        if (unit >= 0xD800 && unit < 0xDC00 && at + 3 < bytes.size()) {
            const unsigned long low = unitAt(at + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                appendUtf8(text, static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) +
                                                       (low - 0xDC00)));
                at += 2;
                continue;
            }
        }
        if (unit >= 0xD800 && unit < 0xE000) unit = Replacement; // an unpaired half
        appendUtf8(text, static_cast<char32_t>(unit));
    }
    return text;
}

std::size_t utf8Length(char32_t codePoint) {
    return codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : 3;
}

// Windows-1252 bytes as UTF-8. Sized exactly first: a byte may become three, and
// growing by doubling would need twice that. Where the bytes' buffer has room for the
// result (the import's reader leaves it, and untouched room costs no memory), the text
// is made in place, so the file's bytes and its text never both take memory.
void windows1252AsUtf8(std::string& bytes, std::string& text) {
    const std::size_t count = bytes.size();
    std::size_t size = 0;
    for (const char c : bytes)
        size += utf8Length(windows1252ToCodePoint(static_cast<unsigned char>(c)));
    if (bytes.capacity() < size) {
        text.clear();
        text.reserve(size);
        for (const char c : bytes)
            appendUtf8(text, windows1252ToCodePoint(static_cast<unsigned char>(c)));
        std::string().swap(bytes);
        return;
    }
    // The bytes move to the end; each is read before its UTF-8 form (never shorter) is
    // written, and the writing never passes a byte not yet read.
    bytes.resize(size);
    char* const data = bytes.data();
    std::memmove(data + (size - count), data, count);
    std::size_t out = 0;
    for (std::size_t in = size - count; in < size; ++in)
        out += writeUtf8(windows1252ToCodePoint(static_cast<unsigned char>(data[in])), data + out);
    text = std::move(bytes);
}

} // namespace

long nextCodePoint(std::string_view text, std::size_t& at) {
    const unsigned char lead = byteAt(text, at);
    if (lead < 0x80) return ++at, lead;
    const int extra = lead >= 0xC2 && lead < 0xE0   ? 1
                      : lead >= 0xE0 && lead < 0xF0 ? 2
                      : lead >= 0xF0 && lead < 0xF5 ? 3
                                                    : -1;
    if (extra < 0 || at + extra >= text.size()) return ++at, -1;
    unsigned long codePoint = lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        const unsigned char next = byteAt(text, at + i);
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
        if (byteAt(text, at) < 0x80) {
            ++at;
            continue;
        }
        if (nextCodePoint(text, at) < 0) return false;
    }
    return true;
}

bool decodeText(std::string&& bytes, std::string& text, TextEncoding& encoding,
                std::string& reason) {
    const std::string_view view = bytes;
    const bool little = view.starts_with("\xFF\xFE"), big = view.starts_with("\xFE\xFF");
    if (little || big) {
        if (view.size() % 2 != 0) {
            reason = "UTF-16 with an odd number of bytes";
            return false;
        }
        encoding = little ? TextEncoding::Utf16LittleEndian : TextEncoding::Utf16BigEndian;
        text = utf16ToUtf8(view.substr(2), big);
        std::string().swap(bytes);
        return true;
    }
    const bool marked = view.starts_with(Utf8Mark);
    if (marked || isValidUtf8(view)) {
        encoding = TextEncoding::Utf8;
        text = std::move(bytes);
        if (marked) text.erase(0, Utf8Mark.size());
        return true;
    }
    encoding = TextEncoding::Windows1252;
    windows1252AsUtf8(bytes, text);
    return true;
}

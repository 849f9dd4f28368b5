#include "cli/text/text_decoding.h"

#include <cstring>

#include "catalogue/utf8.h"
#include "catalogue/windows1252.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string text;
    text.reserve(bytes.size() / 2 * 3);
    appendUtf16AsUtf8(text, bytes.size() / 2, [&](std::size_t unit) {
        const unsigned char first = static_cast<unsigned char>(bytes[2 * unit]),
                            second = static_cast<unsigned char>(bytes[2 * unit + 1]);
        return static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    });
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

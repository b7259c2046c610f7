#include "Utf8.h"

namespace {

void Append(std::wstring& text, char32_t code) {
    if (sizeof(wchar_t) == 2 && code >= 0x10000) {
        code -= 0x10000;
        text += static_cast<wchar_t>(0xD800 + (code >> 10));
        text += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
    } else {
        text += static_cast<wchar_t>(code);
    }
}

// The length of the sequence a lead byte starts, with the smallest code it
// may hold; 0 for a byte that starts none.
int SequenceLength(unsigned char lead, char32_t& code, char32_t& least) {
    if (lead < 0x80) { code = lead; least = 0; return 1; }
    if ((lead & 0xE0) == 0xC0) { code = lead & 0x1F; least = 0x80; return 2; }
    if ((lead & 0xF0) == 0xE0) { code = lead & 0x0F; least = 0x800; return 3; }
    if ((lead & 0xF8) == 0xF0) { code = lead & 0x07; least = 0x10000; return 4; }
    return 0;
}

}  // namespace

bool DecodeUtf8(const std::string& bytes, std::wstring& text) {
    text.clear();
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t code = 0, least = 0;
        const int length = SequenceLength(static_cast<unsigned char>(bytes[i]), code, least);
        if (length == 0 || i + length > bytes.size()) return false;
        for (int k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        Append(text, code);
        i += static_cast<std::size_t>(length);
    }
    return true;
}

std::string EncodeUtf8(const std::wstring& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = static_cast<char32_t>(text[i]);
        if (sizeof(wchar_t) == 2 && code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        } else if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xC0 | (code >> 6));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            bytes += static_cast<char>(0xE0 | (code >> 12));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (code >> 18));
            bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return bytes;
}

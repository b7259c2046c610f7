#include "Guid.h"

#include "HexDigits.h"

namespace {

void AppendHex(std::string& text, unsigned long value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) text += kHexDigits[(value >> shift) & 0xF];
}

}  // namespace

std::string GuidText(const Guid& guid) {
    std::string text = "{";
    AppendHex(text, guid.data1, 8);
    text += '-';
    AppendHex(text, guid.data2, 4);
    text += '-';
    AppendHex(text, guid.data3, 4);
    text += '-';
    for (int i = 0; i < 8; ++i) {
        if (i == 2) text += '-';
        AppendHex(text, guid.data4[i], 2);
    }
    return text + "}";
}

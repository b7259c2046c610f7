#include "RegistryValue.h"

std::wstring RegistryText(unsigned long type, const unsigned char* bytes, std::size_t size) {
    std::wstring text;
    if (type != kRegSz && type != kRegExpandSz) return text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const wchar_t unit = static_cast<wchar_t>(bytes[i] | bytes[i + 1] << 8);
        if (unit == L'\0') break;
        text += unit;
    }
    return text;
}

RegNumber RegistryNumber(unsigned long type, const unsigned char* bytes, std::size_t size) {
    RegNumber number;
    if (type == kRegDword) {
        if (size != 4) return number;
        number.value = static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16) |
                       static_cast<std::uint32_t>(bytes[3]) << 24;
        number.present = true;
        return number;
    }
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (const wchar_t unit : RegistryText(type, bytes, size)) {
        if (unit < L'0' || unit > L'9' || ++digits > 10) return number;
        value = value * 10 + (unit - '0');
    }
    if (digits == 0 || value > 0xFFFFFFFFu) return number;
    number.value = static_cast<std::uint32_t>(value);
    number.present = true;
    return number;
}

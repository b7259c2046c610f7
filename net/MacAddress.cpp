#include "MacAddress.h"

#include "core/HexDigits.h"

namespace {
constexpr std::size_t kWorkBufferSize = 128;
}

bool ParseMacAddress(const std::wstring& text, MacAddress& mac) {
    // Only ASCII can be a digit or a separator: anything else ends the digits.
    std::string narrow;
    for (const wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return ParseMacText(mac.data(), mac.size(), narrow.c_str()) == static_cast<int>(kMacBytes);
}

MacAddress MacFromBytes(const std::uint8_t* bytes, std::size_t count) {
    MacAddress mac{};
    for (std::size_t i = 0; i < mac.size() && i < count; ++i) mac[i] = bytes[i];
    return mac;
}

int ParseMacText(std::uint8_t* out, std::size_t capacity, const char* text) {
    char work[kWorkBufferSize] = {};
    std::size_t length = 0;
    for (const char* p = text; *p && length < kWorkBufferSize - 1; ++p) {
        if (*p == ' ' || *p == '-' || *p == ':') continue;
        work[length++] = AsciiUpper(*p);
    }

    const char* digits = work;
    if (digits[0] == '0' && digits[1] == 'X') digits += 2;

    int written = 0;
    int high = -1;
    for (const char* p = digits; *p; ++p) {
        const int value = HexDigitValue(*p);
        if (value < 0) break;
        if (high < 0) {
            high = value;
            continue;
        }
        if (static_cast<std::size_t>(written) == capacity) break;
        out[written++] = static_cast<std::uint8_t>(high * 16 + value);
        high = -1;
    }
    return written;
}

std::wstring FormatMacCompact(const MacAddress& mac) {
    std::wstring text;
    for (const std::uint8_t byte : mac) {
        text += static_cast<wchar_t>(kHexDigits[byte >> 4]);
        text += static_cast<wchar_t>(kHexDigits[byte & 0x0F]);
    }
    return text;
}

std::wstring FormatMacDisplay(const std::wstring& compact) {
    std::wstring display;
    for (std::size_t start = 0; start <= 10; start += 2) {
        if (start > 0) display += L'-';
        if (start < compact.size()) display += compact.substr(start, 2);
    }
    return display;
}

std::wstring FormatMacDisplay(const MacAddress& mac) {
    return FormatMacDisplay(FormatMacCompact(mac));
}

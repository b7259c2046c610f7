#include "Ipv4.h"

#include "text/TextArgs.h"

bool ParseDottedQuad(const std::wstring& text, std::uint32_t& address) {
    std::uint32_t value = 0;
    std::size_t i = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && (i >= text.size() || text[i++] != L'.')) return false;
        unsigned number = 0;
        std::size_t digits = 0;
        for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9' && digits < 4; ++i, ++digits)
            number = number * 10 + static_cast<unsigned>(text[i] - L'0');
        if (digits == 0 || digits > 3 || number > 255) return false;
        value = (value << 8) | number;
    }
    if (i != text.size()) return false;
    address = value;
    return true;
}

std::wstring DottedQuad(std::uint32_t address) {
    return DecimalText(address >> 24) + L"." + DecimalText((address >> 16) & 0xFF) + L"." +
           DecimalText((address >> 8) & 0xFF) + L"." + DecimalText(address & 0xFF);
}

int PrefixLength(std::uint32_t mask) {
    int ones = 0;
    while (ones < 32 && (mask & (0x80000000u >> ones))) ++ones;
    return mask == PrefixMask(ones) ? ones : -1;
}

std::uint32_t PrefixMask(int prefix) {
    return prefix <= 0 ? 0 : 0xFFFFFFFFu << (32 - prefix);
}

bool DirectedBroadcast(std::uint32_t address, std::uint32_t mask, std::uint32_t& broadcast) {
    const int prefix = PrefixLength(mask);
    if (prefix < 1 || prefix > 30 || (address | ~mask) == 0xFFFFFFFFu) return false;
    broadcast = address | ~mask;
    return true;
}

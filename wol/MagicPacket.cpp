#include "MagicPacket.h"

namespace {

constexpr std::size_t kWorkBufferSize = 128;

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

int ParseMacText(std::uint8_t* out, std::size_t capacity, const char* text) {
    char work[kWorkBufferSize] = {};
    std::size_t length = 0;
    for (const char* p = text; *p && length < kWorkBufferSize - 1; ++p) {
        if (*p == ' ' || *p == '-' || *p == ':') continue;
        work[length++] = Upper(*p);
    }

    const char* digits = work;
    if (digits[0] == '0' && digits[1] == 'X') digits += 2;

    int written = 0;
    int high = -1;
    for (const char* p = digits; *p; ++p) {
        const int value = HexValue(*p);
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

MagicPacket BuildMagicPacket(const MacAddress& mac) {
    MagicPacket packet{};
    for (std::size_t i = 0; i < kMacBytes; ++i) packet[i] = 0xFF;
    for (std::size_t copy = 0; copy < 16; ++copy) {
        for (std::size_t i = 0; i < kMacBytes; ++i) packet[kMacBytes + copy * kMacBytes + i] = mac[i];
    }
    return packet;
}

std::uint32_t BroadcastDestination(std::uint32_t resolvedHostOrder) {
    return resolvedHostOrder | 0x1FF;
}

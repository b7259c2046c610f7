#include "MakerTable.h"

bool IsLocallyAdministered(const MacAddress& mac) { return (mac[0] & 0x02) != 0; }

const wchar_t* MakerOf(const MacAddress& mac) {
    if (mac[0] & 0x03) return nullptr;
    const std::uint32_t prefix = static_cast<std::uint32_t>(mac[0]) << 16 | static_cast<std::uint32_t>(mac[1]) << 8 | mac[2];
    const wchar_t* name = nullptr;
    ForEachMakerPrefix([&](std::uint32_t p, std::size_t maker) {
        if (p == prefix) name = kMakerNames[maker];
        return name != nullptr;
    });
    return name;
}

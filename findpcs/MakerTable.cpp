#include "MakerTable.h"

#include <algorithm>

bool IsLocallyAdministered(const MacAddress& mac) { return (mac[0] & 0x02) != 0; }

const wchar_t* MakerOf(const MacAddress& mac) {
    if (mac[0] & 0x03) return nullptr;
    const std::uint32_t prefix = static_cast<std::uint32_t>(mac[0]) << 16 | static_cast<std::uint32_t>(mac[1]) << 8 | mac[2];
    const std::uint32_t* end = kMakerPrefixes + kMakerPrefixCount;
    const std::uint32_t* found = std::lower_bound(kMakerPrefixes, end, prefix << 8);
    if (found == end || (*found >> 8) != prefix) return nullptr;
    const std::size_t maker = *found & 0xFF;
    return maker < kMakerNameCount ? kMakerNames[maker] : nullptr;
}

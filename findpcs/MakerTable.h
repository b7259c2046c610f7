#pragma once
// Who made a network card, from the first three bytes of its MAC address:
// a table the build turns out of the IEEE registry (scripts/make_maker_table.py),
// kept to the makers whose devices people wake. Platform-free.
#include <cstddef>
#include <cstdint>

#include "net/MacAddress.h"

// Written by the build.
extern const wchar_t* const kMakerNames[];
extern const std::size_t kMakerNameCount;
// Each maker's prefixes in turn, delta-coded: a third of the size of a plain
// table, and a lookup reads it once through in a few microseconds.
extern const std::uint8_t kMakerRuns[];
extern const std::size_t kMakerRunsSize;

// Calls `each(prefix, maker)` for every prefix of the table, maker by maker,
// each maker's in rising order; stops early when `each` answers true.
template <class Each>
void ForEachMakerPrefix(Each each) {
    std::size_t at = 0;
    const auto next = [&at]() {
        std::uint32_t value = 0;
        for (unsigned shift = 0; at < kMakerRunsSize && shift < 32; shift += 7) {
            const std::uint8_t group = kMakerRuns[at++];
            value |= static_cast<std::uint32_t>(group & 0x7F) << shift;
            if (!(group & 0x80)) break;
        }
        return value;
    };
    for (std::size_t maker = 0; maker < kMakerNameCount && at < kMakerRunsSize; ++maker) {
        std::uint32_t prefix = 0;
        for (std::uint32_t count = next(); count > 0 && at < kMakerRunsSize; --count)
            if (each(prefix += next(), maker)) return;
    }
}

// The second bit of the first byte: the address was not assigned by a maker
// but chosen by its system (phones and Windows' random hardware addresses,
// virtual machines, bridges).
bool IsLocallyAdministered(const MacAddress& mac);

// The maker's short name; null where the table knows none, and for every
// locally administered or group address, whose first bytes name no maker.
const wchar_t* MakerOf(const MacAddress& mac);

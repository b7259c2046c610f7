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
extern const std::uint32_t kMakerPrefixes[];  // prefix << 8 | index into kMakerNames, sorted
extern const std::size_t kMakerPrefixCount;

// The second bit of the first byte: the address was not assigned by a maker
// but chosen by its system (phones and Windows' random hardware addresses,
// virtual machines, bridges).
bool IsLocallyAdministered(const MacAddress& mac);

// The maker's short name; null where the table knows none, and for every
// locally administered or group address, whose first bytes name no maker.
const wchar_t* MakerOf(const MacAddress& mac);

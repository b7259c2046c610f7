#pragma once
// This PC's adapters by subnet: each IPv4 address with its prefix and its
// subnet's own broadcast, which of them a send through every adapter goes
// to, and which holds a given address. What the network check lists, the
// send through every adapter goes to and Wake and wait finds the PC's subnet
// among. Platform-free.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Adapter.h"

// One IPv4 address of an adapter with its subnet, or the adapter alone when
// it has none.
struct AdapterSubnet {
    std::size_t adapter = 0;  // its index in the adapter list
    bool hasAddress = false;
    std::uint32_t address = 0;
    int prefix = 0;
    bool hasBroadcast = false;
    std::uint32_t broadcast = 0;
};

std::vector<AdapterSubnet> SubnetsOf(const std::vector<Adapter>& adapters);

// A send through every adapter goes to this subnet: connected, with a
// directed broadcast of its own.
bool IsSendTarget(const std::vector<Adapter>& adapters, const AdapterSubnet& row);

// The row of the connected subnet of this PC that holds `address`; -1 when
// none does (the PC is behind a router).
int LocalRowFor(std::uint32_t address, const std::vector<Adapter>& adapters, const std::vector<AdapterSubnet>& rows);

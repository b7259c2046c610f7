#pragma once
// The rules of the network check on the sending PC: the rows the check
// lists, which of them a send through every adapter goes to, and what the
// findings say. Platform-free.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "net/Adapter.h"
#include "text/Finding.h"

// One IPv4 address of an adapter with its subnet, or the adapter alone when
// it has none: what a send through an adapter goes to, and what Wake and
// wait finds the PC's subnet among.
struct AdapterSubnet {
    std::size_t adapter = 0;  // its index in the adapter list
    bool hasAddress = false;
    std::uint32_t address = 0;
    int prefix = 0;
    bool hasBroadcast = false;
    std::uint32_t broadcast = 0;
};

// The network check lists one row for each.
using CheckRow = AdapterSubnet;

std::vector<AdapterSubnet> SubnetsOf(const std::vector<Adapter>& adapters);

// A send through every adapter goes to this row: connected, with a directed
// broadcast of its own.
bool IsSendTarget(const std::vector<Adapter>& adapters, const AdapterSubnet& row);

// What the user should know, most important first. `macComplete`: the main
// window holds a whole MAC address, so a send through every adapter can go.
std::vector<Finding> CheckFindings(const std::vector<Adapter>& adapters, const std::vector<CheckRow>& rows,
                                   bool macComplete);

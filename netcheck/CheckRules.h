#pragma once
// The rules of the network check on the sending PC: the rows the check
// lists, which of them a send through every adapter goes to, and what the
// findings say. Platform-free.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "net/Adapter.h"
#include "text/Finding.h"

// One line of the list: one IPv4 address of an adapter, or the adapter alone
// when it has none.
struct CheckRow {
    std::size_t adapter = 0;  // its index in the adapter list
    bool hasAddress = false;
    std::uint32_t address = 0;
    int prefix = 0;
    bool hasBroadcast = false;
    std::uint32_t broadcast = 0;
};

std::vector<CheckRow> CheckRowsOf(const std::vector<Adapter>& adapters);

// A send through every adapter goes to this row: connected, with a directed
// broadcast of its own.
bool IsSendTarget(const std::vector<Adapter>& adapters, const CheckRow& row);

// What the user should know, most important first. `macComplete`: the main
// window holds a whole MAC address, so a send through every adapter can go.
std::vector<Finding> CheckFindings(const std::vector<Adapter>& adapters, const std::vector<CheckRow>& rows,
                                   bool macComplete);

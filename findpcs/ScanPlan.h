#pragma once
// Which addresses the scan asks for: the subnets of this PC's connected
// adapters (the rows the network check lists), without this PC's own
// addresses. Platform-free.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "net/Adapter.h"
#include "net/AdapterSubnets.h"

// A bigger subnet is scanned only in this many addresses around this PC's
// own: a /16 would take minutes and flood the network with requests.
constexpr std::uint32_t kMaxScanAddresses = 1024;

struct ScanSubnet {
    std::size_t adapter = 0;      // its index in the adapter list
    unsigned long ifIndex = 0;    // the adapter's interface index, which ARP goes out of
    std::uint32_t own = 0;        // this PC's address there
    int prefix = 0;
    std::uint32_t network = 0;    // the whole subnet's first address
    std::uint32_t first = 0;      // the part scanned, both ends included
    std::uint32_t last = 0;
    bool cut = false;             // larger than kMaxScanAddresses: only [first, last] is scanned
    std::vector<std::uint32_t> targets;  // ascending
};

// One entry per subnet of a connected adapter; a subnet two rows share is
// scanned once, for the first. Subnets without a host to ask (/32) are left
// out, and so is loopback.
std::vector<ScanSubnet> PlanScan(const std::vector<Adapter>& adapters, const std::vector<AdapterSubnet>& rows);

// How many addresses the plan asks for.
std::size_t TargetCount(const std::vector<ScanSubnet>& plan);

// The plan's subnet holding `address`; -1 where none does.
int SubnetOf(const std::vector<ScanSubnet>& plan, std::uint32_t address);

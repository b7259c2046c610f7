#pragma once
// What the scan shows of each device, and the lines `/scan` writes: a
// heading starting with "#" for each subnet scanned, then one line per
// device of it, sorted by address, always four fields joined by tabs
// (address, MAC address, name, maker). Platform-free.
#include <string>
#include <vector>

#include "NeighbourRules.h"
#include "ScanPlan.h"
#include "net/Adapter.h"

// The maker's short name; "random (private) address" in the user's language
// for a locally administered one; empty where unknown.
std::wstring MakerText(const MacAddress& mac);

// "10.0.0.0/24", and where the subnet was cut, the part scanned.
std::wstring SubnetText(const ScanSubnet& subnet);

std::wstring ScanHeading(const ScanSubnet& subnet, const std::vector<Adapter>& adapters);

std::wstring DeviceLine(const FoundDevice& device);

// Every line, without line ends. `found` may come in any order.
std::vector<std::wstring> ScanLines(const std::vector<ScanSubnet>& plan, const std::vector<Adapter>& adapters,
                                    std::vector<FoundDevice> found);

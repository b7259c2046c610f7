#include "NeighbourRules.h"

#include <algorithm>

namespace {

// NL_NEIGHBOR_STATE
constexpr unsigned kProbe = 2, kDelay = 3, kStale = 4, kReachable = 5;
// MIB_IPNET_TYPE
constexpr unsigned kDynamic = 3;

bool Holds(const std::vector<FoundDevice>& found, std::uint32_t address) {
    return std::any_of(found.begin(), found.end(), [&](const FoundDevice& d) { return d.address == address; });
}

bool Asks(const ScanSubnet& subnet, std::uint32_t address) {
    return std::binary_search(subnet.targets.begin(), subnet.targets.end(), address);
}

}  // namespace

bool IsAnsweredState(NeighbourTableKind kind, unsigned state) {
    if (kind == NeighbourTableKind::Table) return state == kDynamic;
    return state == kProbe || state == kDelay || state == kStale || state == kReachable;
}

bool IsAnswerMac(const MacAddress& mac, unsigned length) {
    const bool zero = std::all_of(mac.begin(), mac.end(), [](std::uint8_t b) { return b == 0; });
    const bool broadcast = std::all_of(mac.begin(), mac.end(), [](std::uint8_t b) { return b == 0xFF; });
    return length == kMacBytes && !zero && !broadcast;
}

bool IsAnswer(NeighbourTableKind kind, const NeighbourEntry& entry) {
    return IsAnsweredState(kind, entry.state) && IsAnswerMac(entry.mac, entry.macLength);
}

std::size_t TakeAnswers(const std::vector<ScanSubnet>& plan, NeighbourTableKind kind,
                        const std::vector<NeighbourEntry>& table, std::vector<FoundDevice>& found) {
    std::size_t added = 0;
    for (const NeighbourEntry& e : table) {
        const int subnet = SubnetOf(plan, e.address);
        if (subnet < 0 || !Asks(plan[static_cast<std::size_t>(subnet)], e.address)) continue;
        if (!IsAnswer(kind, e) || Holds(found, e.address)) continue;
        FoundDevice d;
        d.address = e.address;
        d.mac = e.mac;
        d.subnet = subnet;
        found.push_back(d);
        ++added;
    }
    return added;
}

// Counted pair by pair: a subnet of the scan holds at most 1,024 devices.
void MarkProxyArp(std::vector<FoundDevice>& found) {
    for (FoundDevice& d : found) {
        const auto same = std::count_if(found.begin(), found.end(), [&](const FoundDevice& o) {
            return o.subnet == d.subnet && o.mac == d.mac;
        });
        d.proxy = static_cast<std::size_t>(same) > kProxyArpAbove;
    }
}

void SortByAddress(std::vector<FoundDevice>& found) {
    std::sort(found.begin(), found.end(), [](const FoundDevice& a, const FoundDevice& b) { return a.address < b.address; });
}

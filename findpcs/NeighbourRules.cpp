#include "NeighbourRules.h"

#include <algorithm>
#include <utility>

namespace {

// NL_NEIGHBOR_STATE
constexpr unsigned kProbe = 2, kDelay = 3, kStale = 4, kReachable = 5;
// MIB_IPNET_TYPE
constexpr unsigned kDynamic = 3;

bool Asks(const ScanSubnet& subnet, std::uint32_t address) {
    return std::binary_search(subnet.targets.begin(), subnet.targets.end(), address);
}

}  // namespace

bool AddFound(std::vector<FoundDevice>& found, std::uint32_t address, const MacAddress& mac, int subnet) {
    if (std::any_of(found.begin(), found.end(), [&](const FoundDevice& d) { return d.address == address; }))
        return false;
    FoundDevice d;
    d.address = address;
    d.mac = mac;
    d.subnet = subnet;
    found.push_back(d);
    return true;
}

bool IsAnsweredState(NeighbourTableKind kind, unsigned state) {
    if (kind == NeighbourTableKind::Table) return state == kDynamic;
    return state == kProbe || state == kDelay || state == kStale || state == kReachable;
}

bool IsAnswerMac(const MacAddress& mac, unsigned length) {
    static const MacAddress kNone{}, kBroadcast{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
    return length == kMacBytes && mac != kNone && mac != kBroadcast;
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
        if (IsAnswer(kind, e) && AddFound(found, e.address, e.mac, subnet)) ++added;
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

// By insertion: the sweep finds devices nearly in address order already.
void SortByAddress(std::vector<FoundDevice>& found) {
    for (std::size_t i = 1; i < found.size(); ++i)
        for (std::size_t j = i; j > 0 && found[j].address < found[j - 1].address; --j)
            std::swap(found[j], found[j - 1]);
}

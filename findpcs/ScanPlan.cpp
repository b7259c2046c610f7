#include "ScanPlan.h"

#include <algorithm>

#include "net/Ipv4.h"

namespace {

bool IsOwn(const std::vector<Adapter>& adapters, std::uint32_t address) {
    for (const Adapter& a : adapters)
        if (std::find(a.addresses.begin(), a.addresses.end(), address) != a.addresses.end()) return true;
    return false;
}

// The hosts of a subnet: without its network and broadcast addresses, but
// for /31, whose two addresses are both hosts (point-to-point links).
void HostRange(std::uint32_t network, int prefix, std::uint32_t& first, std::uint32_t& last) {
    const std::uint32_t broadcast = network | ~PrefixMask(prefix);
    first = prefix >= 31 ? network : network + 1;
    last = prefix >= 31 ? broadcast : broadcast - 1;
}

// The aligned block of kMaxScanAddresses that holds this PC's address.
void CutAround(std::uint32_t own, std::uint32_t& first, std::uint32_t& last) {
    const std::uint32_t block = own & ~(kMaxScanAddresses - 1);
    first = std::max(first, block);
    last = std::min(last, block + (kMaxScanAddresses - 1));
}

}  // namespace

std::vector<ScanSubnet> PlanScan(const std::vector<Adapter>& adapters, const std::vector<AdapterSubnet>& rows) {
    std::vector<ScanSubnet> plan;
    for (const AdapterSubnet& row : rows) {
        if (!row.hasAddress || row.adapter >= adapters.size() || !adapters[row.adapter].connected) continue;
        if (row.prefix >= 32 || (row.address >> 24) == 127) continue;
        ScanSubnet s;
        s.adapter = row.adapter;
        s.ifIndex = adapters[row.adapter].index;
        s.own = row.address;
        s.prefix = row.prefix;
        s.network = row.address & PrefixMask(row.prefix);
        const bool seen = std::any_of(plan.begin(), plan.end(),
                                      [&](const ScanSubnet& p) { return p.network == s.network && p.prefix == s.prefix; });
        if (seen) continue;
        HostRange(s.network, s.prefix, s.first, s.last);
        s.cut = static_cast<std::uint64_t>(s.last) - s.first + 1 > kMaxScanAddresses;
        if (s.cut) CutAround(s.own, s.first, s.last);
        for (std::uint64_t a = s.first; a <= s.last; ++a)
            if (!IsOwn(adapters, static_cast<std::uint32_t>(a))) s.targets.push_back(static_cast<std::uint32_t>(a));
        plan.push_back(std::move(s));
    }
    return plan;
}

std::size_t TargetCount(const std::vector<ScanSubnet>& plan) {
    std::size_t n = 0;
    for (const ScanSubnet& s : plan) n += s.targets.size();
    return n;
}

int SubnetOf(const std::vector<ScanSubnet>& plan, std::uint32_t address) {
    for (std::size_t i = 0; i < plan.size(); ++i)
        if (address >= plan[i].first && address <= plan[i].last) return static_cast<int>(i);
    return -1;
}

// The scan's plan over any adapters, and the neighbour table's answers over
// any table: never an address outside the connected subnets, never this
// PC's own, never more than 1,024 a subnet, each address once.
#include <algorithm>
#include <set>

#include "FuzzInput.h"
#include "findpcs/NeighbourRules.h"
#include "findpcs/ScanPlan.h"
#include "net/Ipv4.h"

namespace {

std::uint32_t Address(FuzzInput& in) {
    // Mostly a few nearby subnets, so that adapters share and overlap them.
    const std::uint8_t kind = in.Byte();
    const std::uint32_t low = static_cast<std::uint32_t>(in.Byte()) << 8 | in.Byte();
    if (kind < 200) return 0x0A000000u | static_cast<std::uint32_t>(kind % 4) << 16 | low;
    return static_cast<std::uint32_t>(in.Byte()) << 24 | static_cast<std::uint32_t>(in.Byte()) << 16 | low;
}

bool IsOwn(const std::vector<Adapter>& adapters, std::uint32_t a) {
    for (const Adapter& ad : adapters)
        if (std::find(ad.addresses.begin(), ad.addresses.end(), a) != ad.addresses.end()) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    std::vector<Adapter> adapters(in.Byte() % 4);
    for (Adapter& a : adapters) {
        a.connected = in.Byte() % 4 != 0;
        for (std::size_t n = in.Byte() % 3; n > 0; --n) {
            a.addresses.push_back(Address(in));
            const std::uint8_t m = in.Byte();
            a.masks.push_back(m < 240 ? PrefixMask(m % 33) : static_cast<std::uint32_t>(m) * 0x01010101u);
        }
    }
    const std::vector<ScanSubnet> plan = PlanScan(adapters, SubnetsOf(adapters));
    std::set<std::uint32_t> seen;
    for (const ScanSubnet& s : plan) {
        FUZZ_CHECK(s.adapter < adapters.size() && adapters[s.adapter].connected);
        FUZZ_CHECK(s.targets.size() <= kMaxScanAddresses);
        FUZZ_CHECK(std::is_sorted(s.targets.begin(), s.targets.end()));
        for (const std::uint32_t t : s.targets) {
            FUZZ_CHECK(t >= s.first && t <= s.last);
            FUZZ_CHECK((t & PrefixMask(s.prefix)) == s.network);
            FUZZ_CHECK(!IsOwn(adapters, t));
        }
        seen.insert(s.targets.begin(), s.targets.end());
    }
    std::vector<NeighbourEntry> table(in.Byte() % 32);
    for (NeighbourEntry& e : table) {
        e.address = in.Byte() < 128 && !plan.empty() && !plan[0].targets.empty()
                        ? plan[0].targets[in.Byte() % plan[0].targets.size()]
                        : Address(in);
        for (std::uint8_t& b : e.mac) b = in.Byte() < 16 ? 0xFF : in.Byte();
        e.macLength = in.Byte() % 8;
        e.state = in.Byte() % 8;
    }
    std::vector<FoundDevice> found;
    TakeAnswers(plan, in.Byte() % 2 ? NeighbourTableKind::Table : NeighbourTableKind::Table2, table, found);
    std::set<std::uint32_t> once;
    for (const FoundDevice& d : found) {
        FUZZ_CHECK(seen.count(d.address) == 1);
        FUZZ_CHECK(once.insert(d.address).second);
        FUZZ_CHECK(IsAnswerMac(d.mac, 6));
        FUZZ_CHECK(d.subnet >= 0 && static_cast<std::size_t>(d.subnet) < plan.size());
    }
    return 0;
}

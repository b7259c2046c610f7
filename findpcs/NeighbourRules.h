#pragma once
// What the neighbour table says of the scan's addresses, and which of its
// entries count as a device that answered. Platform-free.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ScanPlan.h"
#include "net/MacAddress.h"

// Where an entry comes from decides what its state number means.
enum class NeighbourTableKind : unsigned char {
    Table2,  // GetIpNetTable2 (Vista and later): NL_NEIGHBOR_STATE
    Table,   // GetIpNetTable (2000 and later): MIB_IPNET_TYPE
};

struct NeighbourEntry {
    std::uint32_t address = 0;  // host order
    MacAddress mac{};
    unsigned macLength = 0;
    unsigned state = 0;         // NL_NEIGHBOR_STATE or MIB_IPNET_TYPE, as `kind` says
    unsigned long ifIndex = 0;
};

// The states that mean an answer came: reachable, or stale, delay and probe,
// which an answer once put there (Table2); dynamic (Table). Incomplete and
// unreachable entries were asked but never answered; permanent and static
// ones were typed in, not answered.
bool IsAnsweredState(NeighbourTableKind kind, unsigned state);

// A hardware address that a device can answer with: six bytes, neither all
// zero (what an unanswered entry holds) nor the broadcast address.
bool IsAnswerMac(const MacAddress& mac, unsigned length);

bool IsAnswer(NeighbourTableKind kind, const NeighbourEntry& entry);

// One device that answered, as the scan shows it.
struct FoundDevice {
    std::uint32_t address = 0;
    MacAddress mac{};
    int subnet = -1;     // its entry in the plan
    std::wstring name;   // reverse name, else NetBIOS name; empty while none is known
    bool proxy = false;  // its MAC answers for more than kProxyArpAbove addresses of the subnet
};

// Adds the device that answered for this address unless `found` holds
// one already; returns whether it did.
bool AddFound(std::vector<FoundDevice>& found, std::uint32_t address, const MacAddress& mac, int subnet);

// A router answering ARP for others (proxy ARP) gives its own MAC for many
// addresses; no subnet holds so many cards with one address.
constexpr std::size_t kProxyArpAbove = 16;

// Adds to `found` the entries that answered for an address the plan asks
// for and `found` does not hold yet; returns how many were added.
std::size_t TakeAnswers(const std::vector<ScanSubnet>& plan, NeighbourTableKind kind,
                        const std::vector<NeighbourEntry>& table, std::vector<FoundDevice>& found);

// Marks every device whose MAC stands for more than kProxyArpAbove addresses
// of its subnet.
void MarkProxyArp(std::vector<FoundDevice>& found);

// By address, as every list of them is shown.
void SortByAddress(std::vector<FoundDevice>& found);

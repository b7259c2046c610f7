// MIB_IPNET_ROW2 is declared for Windows Vista and later only; its functions
// are looked up at run time.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include "NeighbourProbe.h"

#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <netioapi.h>

#include "ArpCache.h"
#include "NeighbourAnswer.h"
#include "framework/SystemLibrary.h"
#include "net/MibTable.h"

namespace {

using ResolveFn = DWORD(WINAPI*)(PMIB_IPNET_ROW2, const SOCKADDR_INET*);
using GetTableFn = DWORD(WINAPI*)(ADDRESS_FAMILY, PMIB_IPNET_TABLE2*);

ResolveFn ResolveFunction() {
    static const auto fn = FindSystemProc<ResolveFn>(L"iphlpapi.dll", "ResolveIpNetEntry2");
    return fn;
}

constexpr DWORD kArpTypeDynamic = 3;

}  // namespace

bool HasNeighbourProbe() {
    return ResolveFunction() != nullptr;
}

Neighbour ResolveNeighbour(std::uint32_t address, unsigned long ifIndex, MacAddress& mac) {
    const ResolveFn resolve = ResolveFunction();
    if (!resolve) return Neighbour::Unavailable;
    // Both the address and the interface, or the call refuses.
    MIB_IPNET_ROW2 row{};
    row.Address.Ipv4.sin_family = AF_INET;
    row.Address.Ipv4.sin_addr.s_addr = ::htonl(address);
    row.InterfaceIndex = ifIndex;
    const DWORD result = resolve(&row, nullptr);
    const Neighbour answer = NeighbourOfResolve(result, row.PhysicalAddressLength);
    if (answer == Neighbour::Answered) mac = MacFromBytes(row.PhysicalAddress, kMacBytes);
    return answer;
}

bool ReadNeighbourMac(std::uint32_t address, MacAddress& mac) {
    static const auto getTable = FindSystemProc<GetTableFn>(L"iphlpapi.dll", "GetIpNetTable2");
    if (getTable && CanFreeMibTables()) {
        PMIB_IPNET_TABLE2 read = nullptr;
        if (getTable(AF_INET, &read) != NO_ERROR || !read) return false;
        const CMibTable<MIB_IPNET_TABLE2> table(read);
        bool found = false;
        for (ULONG i = 0; i < table.Get()->NumEntries && !found; ++i) {
            const MIB_IPNET_ROW2& row = table.Get()->Table[i];
            found = row.Address.si_family == AF_INET && ::ntohl(row.Address.Ipv4.sin_addr.s_addr) == address &&
                    IsAnsweredState(row.State) && row.PhysicalAddressLength == kMacBytes;
            if (found) mac = MacFromBytes(row.PhysicalAddress, kMacBytes);
        }
        return found;
    }
    for (const ArpEntry& e : ReadArpCache()) {
        if (e.address != address || e.type != kArpTypeDynamic || e.macLength != kMacBytes) continue;
        mac = e.mac;
        return true;
    }
    return false;
}

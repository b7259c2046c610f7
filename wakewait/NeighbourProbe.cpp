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

namespace {

using ResolveFn = DWORD(WINAPI*)(PMIB_IPNET_ROW2, const SOCKADDR_INET*);
using GetTableFn = DWORD(WINAPI*)(ADDRESS_FAMILY, PMIB_IPNET_TABLE2*);
using FreeTableFn = VOID(WINAPI*)(PVOID);

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
    static const auto freeTable = FindSystemProc<FreeTableFn>(L"iphlpapi.dll", "FreeMibTable");
    if (getTable && freeTable) {
        PMIB_IPNET_TABLE2 table = nullptr;
        if (getTable(AF_INET, &table) != NO_ERROR || !table) return false;
        bool found = false;
        for (ULONG i = 0; i < table->NumEntries && !found; ++i) {
            const MIB_IPNET_ROW2& row = table->Table[i];
            found = row.Address.si_family == AF_INET && ::ntohl(row.Address.Ipv4.sin_addr.s_addr) == address &&
                    IsAnsweredState(row.State) && row.PhysicalAddressLength == kMacBytes;
            if (found) mac = MacFromBytes(row.PhysicalAddress, kMacBytes);
        }
        freeTable(table);
        return found;
    }
    for (const ArpEntry& e : ReadArpCache()) {
        if (e.address != address || e.type != kArpTypeDynamic || e.macLength != kMacBytes) continue;
        mac = e.mac;
        return true;
    }
    return false;
}

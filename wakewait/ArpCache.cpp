#include "ArpCache.h"

#include <winsock2.h>
#include <iphlpapi.h>

#include "framework/GrowingQuery.h"

namespace {
// The table may grow between two calls.
constexpr int kRetries = 4;
}

std::vector<ArpEntry> ReadArpCache() {
    std::vector<ArpEntry> cache;
    std::vector<unsigned char> buffer;
    const ULONG result = QueryGrowing(buffer, 0, kRetries, [](unsigned char* bytes, PULONG size) {
        return ::GetIpNetTable(reinterpret_cast<PMIB_IPNETTABLE>(bytes), size, FALSE);
    });
    if (result != NO_ERROR || buffer.size() < sizeof(MIB_IPNETTABLE)) return cache;
    const auto* table = reinterpret_cast<const MIB_IPNETTABLE*>(buffer.data());
    const std::size_t fits = (buffer.size() - offsetof(MIB_IPNETTABLE, table)) / sizeof(MIB_IPNETROW);
    for (DWORD i = 0; i < table->dwNumEntries && i < fits; ++i) {
        const MIB_IPNETROW& row = table->table[i];
        ArpEntry entry;
        entry.mac = MacFromBytes(row.bPhysAddr, row.dwPhysAddrLen < MAXLEN_PHYSADDR ? row.dwPhysAddrLen : MAXLEN_PHYSADDR);
        entry.macLength = row.dwPhysAddrLen;
        entry.address = ::ntohl(row.dwAddr);
        entry.type = row.dwType;
        cache.push_back(entry);
    }
    return cache;
}

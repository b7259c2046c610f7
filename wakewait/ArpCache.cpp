#include "ArpCache.h"

#include <winsock2.h>
#include <iphlpapi.h>

namespace {
// The table may grow between two calls: each retry asks at the size reported last.
constexpr int kRetries = 4;
}

std::vector<ArpEntry> ReadArpCache() {
    std::vector<ArpEntry> cache;
    ULONG size = 0;
    std::vector<unsigned char> buffer;
    DWORD result = ::GetIpNetTable(nullptr, &size, FALSE);
    for (int retry = 0; retry < kRetries && result == ERROR_INSUFFICIENT_BUFFER; ++retry) {
        buffer.assign(size, 0);
        result = ::GetIpNetTable(reinterpret_cast<PMIB_IPNETTABLE>(buffer.data()), &size, FALSE);
    }
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

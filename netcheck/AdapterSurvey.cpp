// MIB_IF_ROW2 is declared for Windows Vista and later only; its function is
// looked up at run time, so nothing newer than Windows 2000 is imported.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include "AdapterSurvey.h"

#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <netioapi.h>

#include "framework/SystemLibrary.h"
#include "net/AdapterList.h"
#include "net/Ipv4.h"

namespace {

constexpr unsigned kIfLoopback = 24;
// Enough for a dozen adapters; the list says when it needs more.
constexpr ULONG kAddressesBufferSize = 15 * 1024;
// An adapter list that keeps growing between calls is asked this often.
constexpr int kListRetries = 8;

struct NewerFacts {
    unsigned long index = 0;
    std::wstring friendlyName;
    unsigned ifType = 0;
};

// Friendly names and exact interface types, Windows XP and later; an empty
// map elsewhere. The structure grew across versions: only the XP fields are
// read, and only where the reported length covers them.
std::vector<NewerFacts> ReadNewerFacts() {
    std::vector<NewerFacts> facts;
    using Fn = ULONG(WINAPI*)(ULONG, ULONG, PVOID, PIP_ADAPTER_ADDRESSES, PULONG);
    const auto getAdaptersAddresses = FindSystemProc<Fn>(L"iphlpapi.dll", "GetAdaptersAddresses");
    if (!getAdaptersAddresses) return facts;
    const ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    ULONG size = kAddressesBufferSize;
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int call = 0; call <= kListRetries && result == ERROR_BUFFER_OVERFLOW; ++call) {
        buffer.assign(size, 0);
        result = getAdaptersAddresses(AF_INET, flags, nullptr, reinterpret_cast<PIP_ADAPTER_ADDRESSES>(buffer.data()), &size);
    }
    if (result != NO_ERROR) return facts;
    for (auto* a = reinterpret_cast<const IP_ADAPTER_ADDRESSES_XP*>(buffer.data()); a; a = a->Next) {
        if (a->Length < sizeof(IP_ADAPTER_ADDRESSES_XP)) continue;
        facts.push_back({a->IfIndex, a->FriendlyName ? a->FriendlyName : L"", static_cast<unsigned>(a->IfType)});
    }
    return facts;
}

bool IsConnected(const AdapterRecord& record, bool hasAddress) {
    MIB_IFROW row{};
    row.dwIndex = record.index;
    if (::GetIfEntry(&row) != NO_ERROR) return hasAddress;
    return row.dwOperStatus >= MIB_IF_OPER_STATUS_CONNECTED;
}

// Windows Vista and later tell a software adapter from a card.
bool IsVirtual(unsigned long index) {
    using Fn = DWORD(WINAPI*)(PMIB_IF_ROW2);
    static const auto getIfEntry2 = FindSystemProc<Fn>(L"iphlpapi.dll", "GetIfEntry2");
    if (!getIfEntry2) return false;
    MIB_IF_ROW2 row{};
    row.InterfaceIndex = index;
    return getIfEntry2(&row) == NO_ERROR && !row.InterfaceAndOperStatusFlags.HardwareInterface;
}

}  // namespace

std::vector<CheckAdapter> SurveyAdapters() {
    std::vector<CheckAdapter> adapters;
    SystemAdapterSource source;
    std::vector<AdapterRecord> records;
    if (!QueryAdapters(source, records, kListRetries)) return adapters;

    const std::vector<NewerFacts> newer = ReadNewerFacts();
    DWORD powerOnIndex = 0;
    const bool knowsPowerOn = ::GetBestInterface(::htonl(INADDR_BROADCAST), &powerOnIndex) == NO_ERROR;

    for (const AdapterRecord& record : records) {
        NewerFacts facts;
        for (const NewerFacts& f : newer)
            if (f.index == record.index) facts = f;
        const unsigned ifType = facts.ifType != 0 ? facts.ifType : record.type;
        if (ifType == kIfLoopback) continue;

        CheckAdapter adapter;
        adapter.label = !facts.friendlyName.empty() ? facts.friendlyName : record.description;
        adapter.kind = KindOfAdapter(ifType, record.macLength);
        adapter.isVirtual = IsVirtual(record.index);
        for (std::size_t i = 0; i < record.ipv4.size(); ++i) {
            std::uint32_t address = 0, mask = 0;
            if (!ParseDottedQuad(record.ipv4[i], address) || address == 0) continue;
            if (i >= record.masks.size() || !ParseDottedQuad(record.masks[i], mask)) mask = 0xFFFFFFFFu;
            adapter.addresses.push_back(address);
            adapter.masks.push_back(mask);
        }
        adapter.connected = IsConnected(record, !adapter.addresses.empty());
        adapter.takesPowerOn = knowsPowerOn && powerOnIndex == record.index;
        adapter.name = record.name;
        adapters.push_back(std::move(adapter));
    }
    return adapters;
}

// MIB_IF_ROW2 and the prefix lengths of the address list are declared for
// Windows Vista and later only; their functions are looked up at run time,
// so nothing newer than Windows 2000 is imported.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include "SystemAdapterFacts.h"

#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <netioapi.h>

#include "AdapterList.h"
#include "core/Guid.h"
#include "framework/GrowingQuery.h"
#include "Ipv4.h"
#include "MibTable.h"
#include "framework/SystemLibrary.h"

namespace {

// Enough for a dozen adapters; the list says when it needs more.
constexpr ULONG kAddressesBufferSize = 15 * 1024;
// An adapter list that keeps growing between calls is asked this often.
constexpr int kListRetries = 8;

using GetIfTable2Fn = DWORD(WINAPI*)(PMIB_IF_TABLE2*);
using GetAdaptersAddressesFn = ULONG(WINAPI*)(ULONG, ULONG, PVOID, PIP_ADAPTER_ADDRESSES, PULONG);

GetIfTable2Fn InterfaceTableFunction() {
    static const auto fn = FindSystemProc<GetIfTable2Fn>(L"iphlpapi.dll", "GetIfTable2");
    return fn;
}

// As GetAdaptersInfo names an adapter, and a driver key's NetCfgInstanceId.
std::string GuidText(const GUID& guid) {
    Guid plain{guid.Data1, guid.Data2, guid.Data3, {}};
    for (int i = 0; i < 8; ++i) plain.data4[i] = guid.Data4[i];
    return GuidText(plain);
}

// The 2000 list, for Windows 2000 itself and for the masks that XP's
// address list lacks.
bool ReadAdaptersInfo(std::vector<AdapterFacts>& records) {
    SystemAdapterSource source;
    return QueryAdapters(source, records, kListRetries);
}

std::uint32_t MaskFromRecords(const std::vector<AdapterFacts>& records, unsigned long index, std::uint32_t address) {
    for (const AdapterFacts& r : records) {
        if (r.index != index) continue;
        for (std::size_t i = 0; i < r.addresses.size() && i < r.masks.size(); ++i)
            if (r.addresses[i] == address) return r.masks[i];
    }
    return 0xFFFFFFFFu;
}

Known UpByIfEntry(unsigned long index) {
    MIB_IFROW row{};
    row.dwIndex = index;
    if (::GetIfEntry(&row) != NO_ERROR) return Known::Unknown;
    return row.dwOperStatus >= MIB_IF_OPER_STATUS_CONNECTED ? Known::Yes : Known::No;
}

}  // namespace

bool SystemAdapterFacts::InterfaceTable(std::vector<InterfaceFacts>& rows) {
    const GetIfTable2Fn getIfTable2 = InterfaceTableFunction();
    PMIB_IF_TABLE2 read = nullptr;
    if (!getIfTable2 || !CanFreeMibTables() || getIfTable2(&read) != NO_ERROR || !read) return false;
    const CMibTable<MIB_IF_TABLE2> table(read);
    for (ULONG i = 0; i < table.Get()->NumEntries; ++i) {
        const MIB_IF_ROW2& r = table.Get()->Table[i];
        InterfaceFacts f;
        f.index = r.InterfaceIndex;
        f.name = GuidText(r.InterfaceGuid);
        f.friendlyName = r.Alias;
        f.description = r.Description;
        f.ifType = r.Type;
        f.medium = r.PhysicalMediumType;
        f.macLength = r.PhysicalAddressLength;
        f.mac = MacFromBytes(r.PhysicalAddress, r.PhysicalAddressLength < kMacBytes ? r.PhysicalAddressLength : kMacBytes);
        f.hardware = r.InterfaceAndOperStatusFlags.HardwareInterface;
        f.connector = r.InterfaceAndOperStatusFlags.ConnectorPresent;
        f.filter = r.InterfaceAndOperStatusFlags.FilterInterface;
        f.endpoint = r.InterfaceAndOperStatusFlags.EndPointInterface;
        f.mediaState = r.MediaConnectState;
        f.operStatus = r.OperStatus;
        rows.push_back(std::move(f));
    }
    return true;
}

bool SystemAdapterFacts::AddressLists(std::vector<AdapterFacts>& adapters) {
    static const auto getAdaptersAddresses =
        FindSystemProc<GetAdaptersAddressesFn>(L"iphlpapi.dll", "GetAdaptersAddresses");
    std::vector<AdapterFacts> records;
    if (!getAdaptersAddresses) {
        if (!ReadAdaptersInfo(records)) return false;
        for (AdapterFacts& r : records) {
            r.up = UpByIfEntry(r.index);
            adapters.push_back(std::move(r));
        }
        return true;
    }
    const ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    std::vector<unsigned char> buffer;
    const ULONG result = QueryGrowing(buffer, kAddressesBufferSize, kListRetries, [&](unsigned char* bytes, PULONG size) {
        return getAdaptersAddresses(AF_INET, flags, nullptr, reinterpret_cast<PIP_ADAPTER_ADDRESSES>(bytes), size);
    });
    if (result != NO_ERROR) return false;
    // The prefix length is there from Vista on, the systems with the
    // interface table; XP's masks come from the 2000 list.
    const bool prefixes = InterfaceTableFunction() != nullptr;
    if (!prefixes) ReadAdaptersInfo(records);
    for (auto* a = reinterpret_cast<const IP_ADAPTER_ADDRESSES_XP*>(buffer.data()); a; a = a->Next) {
        if (a->Length < sizeof(IP_ADAPTER_ADDRESSES_XP)) continue;
        AdapterFacts f;
        f.index = a->IfIndex;
        f.name = a->AdapterName ? a->AdapterName : "";
        f.friendlyName = a->FriendlyName ? a->FriendlyName : L"";
        f.description = a->Description ? a->Description : L"";
        f.ifType = a->IfType;
        f.macLength = a->PhysicalAddressLength;
        f.mac = MacFromBytes(a->PhysicalAddress, a->PhysicalAddressLength < kMacBytes ? a->PhysicalAddressLength : kMacBytes);
        f.up = a->OperStatus == IfOperStatusUp ? Known::Yes : Known::No;
        for (auto* u = reinterpret_cast<const IP_ADAPTER_UNICAST_ADDRESS_LH*>(a->FirstUnicastAddress); u; u = u->Next) {
            const sockaddr* address = u->Address.lpSockaddr;
            if (!address || address->sa_family != AF_INET) continue;
            const std::uint32_t ip = ::ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
            if (ip == 0) continue;
            f.addresses.push_back(ip);
            f.masks.push_back(prefixes && u->OnLinkPrefixLength <= 32 ? PrefixMask(u->OnLinkPrefixLength)
                                                                        : MaskFromRecords(records, f.index, ip));
        }
        adapters.push_back(std::move(f));
    }
    return true;
}

bool SystemAdapterFacts::PowerOnIndex(unsigned long& index) {
    DWORD best = 0;
    if (::GetBestInterface(::htonl(INADDR_BROADCAST), &best) != NO_ERROR) return false;
    index = best;
    return true;
}

std::vector<Adapter> SurveyThisPc(const std::vector<DriverKey>& keys) {
    SystemAdapterFacts system;
    return SurveyAdapters(system, keys);
}

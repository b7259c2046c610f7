#include "AdapterList.h"

#include "CSystemInfo.h"
#include "Ipv4.h"
#include "framework/GrowingQuery.h"
#include "text/AnsiText.h"

namespace {

// One adapter record in its 32-bit layout: a single-adapter computer needs
// one call.
constexpr ULONG kFirstBufferSize = 640;

// A text field of the record, whose terminator the system may have left out.
template <std::size_t N>
std::string FixedAnsi(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0') ++length;
    return std::string(field, length);
}
template <std::size_t N>
std::wstring FixedText(const char (&field)[N]) {
    return FromAnsi(FixedAnsi(field).c_str());
}

std::vector<AdapterFacts> ReadAdapters(const IP_ADAPTER_INFO* adapter) {
    std::vector<AdapterFacts> records;
    for (; adapter; adapter = adapter->Next) {
        AdapterFacts record;
        // The first six bytes, whatever length the adapter reports.
        record.mac = MacFromBytes(adapter->Address, kMacBytes);
        for (const IP_ADDR_STRING* ip = &adapter->IpAddressList; ip; ip = ip->Next) {
            std::uint32_t address = 0, mask = 0;
            // An adapter without IPv4 lists 0.0.0.0.
            if (!ParseDottedQuad(FixedText(ip->IpAddress.String), address) || address == 0) continue;
            if (!ParseDottedQuad(FixedText(ip->IpMask.String), mask)) mask = 0xFFFFFFFFu;
            record.addresses.push_back(address);
            record.masks.push_back(mask);
        }
        record.index = adapter->Index;
        record.ifType = adapter->Type;
        record.macLength = adapter->AddressLength;
        record.name = FixedAnsi(adapter->AdapterName);
        record.description = FixedText(adapter->Description);
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace

ULONG SystemAdapterSource::GetAdaptersInfo(PIP_ADAPTER_INFO buffer, PULONG size) {
    return ::GetAdaptersInfo(buffer, size);
}

void SystemAdapterSource::GetLocalAddress(std::wstring& text) {
    CSystemInfo systemInfo;
    systemInfo.GetLocalAddress(text);
}

bool QueryAdapters(AdapterSource& source, std::vector<AdapterFacts>& adapters, int retries) {
    std::vector<unsigned char> buffer;
    const ULONG result = QueryGrowing(buffer, kFirstBufferSize, retries, [&](unsigned char* bytes, PULONG size) {
        return source.GetAdaptersInfo(reinterpret_cast<PIP_ADAPTER_INFO>(bytes), size);
    });
    if (result != NO_ERROR || buffer.empty()) return false;
    adapters = ReadAdapters(reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data()));
    return true;
}

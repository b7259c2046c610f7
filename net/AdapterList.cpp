#include "AdapterList.h"

#include "CSystemInfo.h"
#include "text/AnsiText.h"

namespace {

// One adapter record in its 32-bit layout: a single-adapter computer needs
// one call.
constexpr ULONG kFirstBufferSize = 640;

std::vector<AdapterRecord> ReadAdapters(const IP_ADAPTER_INFO* adapter) {
    std::vector<AdapterRecord> records;
    for (; adapter; adapter = adapter->Next) {
        AdapterRecord record;
        // The first six bytes, whatever length the adapter reports.
        record.mac = MacFromBytes(adapter->Address, kMacBytes);
        for (const IP_ADDR_STRING* ip = &adapter->IpAddressList; ip; ip = ip->Next) {
            char text[sizeof ip->IpAddress.String + 1] = {};
            memcpy(text, ip->IpAddress.String, sizeof ip->IpAddress.String);
            record.ipv4.push_back(FromAnsi(text));
        }
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

bool QueryAdapters(AdapterSource& source, std::vector<AdapterRecord>& adapters) {
    ULONG size = kFirstBufferSize;
    std::vector<unsigned char> buffer(size);
    ULONG result = source.GetAdaptersInfo(reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()), &size);
    if (result == ERROR_BUFFER_OVERFLOW) {
        buffer.assign(size, 0);
        result = source.GetAdaptersInfo(reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()), &size);
    }
    if (result != NO_ERROR || buffer.empty()) return false;
    adapters = ReadAdapters(reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data()));
    return true;
}

#include "AdapterChoice.h"

std::wstring ChooseAdapterMac(const std::vector<AdapterRecord>& adapters, const std::wstring& localAddress) {
    std::wstring mac;
    if (localAddress.empty()) return mac;
    for (const AdapterRecord& adapter : adapters) {
        for (const std::wstring& ip : adapter.ipv4) {
            if (ip == localAddress) mac = FormatMacCompact(adapter.mac);
        }
    }
    return mac;
}

#include "AdapterChoice.h"

#include "net/Ipv4.h"

std::wstring ChooseAdapterMac(const std::vector<AdapterFacts>& adapters, const std::wstring& localAddress) {
    std::wstring mac;
    std::uint32_t local = 0;
    if (!ParseDottedQuad(localAddress, local)) return mac;
    for (const AdapterFacts& adapter : adapters) {
        for (const std::uint32_t address : adapter.addresses) {
            if (address == local) mac = FormatMacCompact(adapter.mac);
        }
    }
    return mac;
}

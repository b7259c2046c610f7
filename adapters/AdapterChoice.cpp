#include "AdapterChoice.h"

namespace {
const wchar_t kHexDigits[] = L"0123456789ABCDEF";
}

std::wstring FormatMacCompact(const std::vector<std::uint8_t>& address) {
    std::wstring text;
    for (size_t i = 0; i < 6; ++i) {
        const std::uint8_t byte = i < address.size() ? address[i] : 0;
        text += kHexDigits[byte >> 4];
        text += kHexDigits[byte & 0x0F];
    }
    return text;
}

std::wstring ChooseAdapterMac(const std::vector<AdapterRecord>& adapters, const std::wstring& localAddress) {
    std::wstring mac;
    if (localAddress.empty()) return mac;
    for (const AdapterRecord& adapter : adapters) {
        for (const std::wstring& ip : adapter.ipv4) {
            if (ip == localAddress) mac = FormatMacCompact(adapter.address);
        }
    }
    return mac;
}

std::wstring FormatMacDisplay(const std::wstring& compact) {
    std::wstring display;
    for (size_t start = 0; start <= 10; start += 2) {
        if (start > 0) display += L'-';
        if (start < compact.size()) display += compact.substr(start, 2);
    }
    return display;
}

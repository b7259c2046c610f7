// The choice of this PC's adapter from whatever list the system reports.
#include "FuzzInput.h"
#include "ownmac/AdapterChoice.h"
#include "net/Ipv4.h"
#include "net/MacAddress.h"

namespace {

std::wstring AddressText(FuzzInput& in) {
    // Few distinct addresses, so that matches happen; sometimes any text.
    static const wchar_t* const kAddresses[] = {L"10.1.2.3", L"0.0.0.0", L"127.0.0.1", L"fe80::1", L""};
    const std::uint8_t b = in.Byte();
    return b < 224 ? kAddresses[b % 5] : in.Text(20);
}

bool IsUpperHex(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::wstring local = AddressText(in);
    std::vector<AdapterFacts> adapters(in.Byte() % 8);
    std::vector<std::size_t> lengths;
    for (AdapterFacts& a : adapters) {
        std::vector<std::uint8_t> reported(in.Byte() % 10);
        for (std::uint8_t& b : reported) b = in.Byte();
        a.mac = MacFromBytes(reported.data(), reported.size());
        lengths.push_back(reported.size());
        a.addresses.resize(in.Byte() % 4);
        for (std::uint32_t& ip : a.addresses) ParseDottedQuad(AddressText(in), ip);
    }

    const std::wstring mac = ChooseAdapterMac(adapters, local);
    FUZZ_CHECK(mac.empty() || mac.size() == 12);
    for (wchar_t c : mac) FUZZ_CHECK(IsUpperHex(c));

    // The last adapter that lists the local address decides.
    const AdapterFacts* last = nullptr;
    std::size_t lastLength = 0;
    std::uint32_t address = 0;
    const bool isAddress = ParseDottedQuad(local, address);
    for (std::size_t k = 0; k < adapters.size(); ++k)
        for (const std::uint32_t ip : adapters[k].addresses)
            if (isAddress && ip == address) last = &adapters[k], lastLength = lengths[k];
    FUZZ_CHECK(mac.empty() == (last == nullptr));
    if (last) {
        for (std::size_t i = 0; i < 6; ++i) {
            const unsigned byte = i < lastLength ? last->mac[i] : 0;
            FUZZ_CHECK(std::stoul(mac.substr(2 * i, 2), nullptr, 16) == byte);
        }
    }

    const std::wstring display = FormatMacDisplay(mac);
    FUZZ_CHECK(display.size() == (mac.empty() ? 5u : 17u));
    return 0;
}

#include "AdapterKinds.h"

#include <algorithm>
#include <utility>

namespace {

// IF_TYPE_* numbers, as IP Helper reports them.
constexpr unsigned kIfOther = 1;
constexpr unsigned kIfEthernet = 6;
constexpr unsigned kIfPpp = 23;
constexpr unsigned kIfPropVirtual = 53;
constexpr unsigned kIfWiFi = 71;
constexpr unsigned kIfTunnel = 131;
// NDIS_PHYSICAL_MEDIUM numbers.
constexpr unsigned kMediumWirelessWan = 8;
constexpr unsigned kMediumNative80211 = 9;
constexpr unsigned kMediumBluetooth = 10;

constexpr std::uint8_t kLocallyAdministered = 0x02;
constexpr std::uint32_t kNcfVirtual = 0x1;  // a driver key's Characteristics

MacAddress WithoutLocalBit(MacAddress mac) {
    mac[0] &= static_cast<std::uint8_t>(~kLocallyAdministered);
    return mac;
}

bool HasMac(const Adapter& a) {
    return a.macLength == kMacBytes && a.mac != MacAddress{};
}

bool IsSoftware(const Adapter& a) {
    const RegNumber& c = a.wake.characteristics;
    return a.hardware == Known::No || a.connector == Known::No || (c.present && (c.value & kNcfVirtual));
}

// The switch's own MAC is the card's, or the card's with the local bit set;
// never the other way round (a Wi-Fi Direct adapter sets the bit on the
// card's address and sits on nothing).
bool CarriesCardMac(const Adapter& upper, const Adapter& card) {
    return upper.mac == card.mac || (upper.mac[0] & kLocallyAdministered && !(card.mac[0] & kLocallyAdministered) &&
                                     WithoutLocalBit(upper.mac) == card.mac);
}

bool SitsOn(const Adapter& upper, const Adapter& card) {
    return upper.ifType == kIfEthernet && !upper.addresses.empty() && CarriesCardMac(upper, card) &&
           card.addresses.empty() && IsCard(card) && (card.connected || IsSoftware(upper));
}

}  // namespace

AdapterKind KindOfAdapter(unsigned ifType, unsigned macLength, unsigned medium) {
    if (medium == kMediumBluetooth || medium == kMediumWirelessWan) return AdapterKind::Other;
    if (medium == kMediumNative80211) return AdapterKind::WiFi;
    switch (ifType) {
    case kIfEthernet: return AdapterKind::Ethernet;
    case kIfWiFi: return AdapterKind::WiFi;
    case kIfPpp: case kIfPropVirtual: case kIfTunnel: return AdapterKind::Tunnel;
    // A card on a LAN always has a hardware address; a point-to-point
    // tunnel (a tun device, Wintun) has none.
    case kIfOther: return macLength == 0 ? AdapterKind::Tunnel : AdapterKind::Other;
    default: return AdapterKind::Other;
    }
}

bool IsCard(const Adapter& a) {
    return (a.ifType == kIfEthernet || a.ifType == kIfWiFi) && !IsSoftware(a) && a.endpoint != Known::Yes &&
           a.medium != kMediumBluetooth && a.medium != kMediumWirelessWan;
}

bool HasWakeFacts(const Adapter& a) {
    const WakeValues& w = a.wake;
    return w.magicPacket.value.present || w.shutdown.value.present || w.pnpCapabilities.present;
}

void ClassifyAdapters(std::vector<Adapter>& adapters) {
    for (Adapter& a : adapters) {
        a.kind = KindOfAdapter(a.ifType, a.macLength, a.medium);
        a.isVirtual = IsSoftware(a);
        a.card = -1;
    }
    // Adapters sorted by MAC address, the local bit aside: those that share
    // one stand side by side, and the cost grows with the list, not with
    // its square.
    std::vector<std::pair<MacAddress, int>> byMac;
    for (std::size_t i = 0; i < adapters.size(); ++i)
        if (HasMac(adapters[i])) byMac.emplace_back(WithoutLocalBit(adapters[i].mac), static_cast<int>(i));
    std::sort(byMac.begin(), byMac.end());
    for (std::size_t first = 0, next = 0; first < byMac.size(); first = next) {
        while (next < byMac.size() && byMac[next].first == byMac[first].first) ++next;
        for (std::size_t u = first; u < next; ++u) {
            Adapter& upper = adapters[static_cast<std::size_t>(byMac[u].second)];
            // Two cards it could sit on (a dock copying the laptop's
            // address) leave it on neither.
            int card = -1, candidates = 0;
            for (std::size_t c = first; c < next; ++c)
                if (c != u && SitsOn(upper, adapters[static_cast<std::size_t>(byMac[c].second)]))
                    card = byMac[c].second, ++candidates;
            if (candidates != 1) continue;
            upper.card = card;
            upper.connected = upper.connected && adapters[static_cast<std::size_t>(card)].connected;
        }
    }
}

#include "AdapterKinds.h"

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

MacAddress WithoutLocalBit(MacAddress mac) {
    mac[0] &= static_cast<std::uint8_t>(~kLocallyAdministered);
    return mac;
}

bool HasMac(const Adapter& a) {
    return a.macLength == kMacBytes && a.mac != MacAddress{};
}

bool IsSoftware(const Adapter& a) {
    return a.hardware == Known::No || a.connector == Known::No;
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
           card.addresses.empty() && IsCardShape(card) && (card.connected || IsSoftware(upper));
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

bool IsCardShape(const Adapter& a) {
    return (a.ifType == kIfEthernet || a.ifType == kIfWiFi) && !IsSoftware(a) && a.medium != kMediumBluetooth &&
           a.medium != kMediumWirelessWan;
}

void ClassifyAdapters(std::vector<Adapter>& adapters) {
    for (Adapter& a : adapters) {
        a.kind = KindOfAdapter(a.ifType, a.macLength, a.medium);
        a.isVirtual = IsSoftware(a);
        a.card = -1;
    }
    // Only an adapter with IPv4 can sit on another, and a PC has few of
    // those: the pairs cost next to nothing however many interfaces it has.
    for (std::size_t u = 0; u < adapters.size(); ++u) {
        Adapter& upper = adapters[u];
        if (upper.addresses.empty() || !HasMac(upper)) continue;
        int partner = -1, sharing = 0;
        for (std::size_t c = 0; c < adapters.size(); ++c) {
            if (c == u || !HasMac(adapters[c]) || WithoutLocalBit(adapters[c].mac) != WithoutLocalBit(upper.mac)) continue;
            ++sharing;
            partner = static_cast<int>(c);
        }
        if (sharing != 1 || !SitsOn(upper, adapters[static_cast<std::size_t>(partner)])) continue;
        upper.card = partner;
        upper.connected = upper.connected && adapters[static_cast<std::size_t>(partner)].connected;
    }
}

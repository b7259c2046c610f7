// The adapter survey and its rules against what real Windows reports for
// each kind of adapter (public ipconfig and Get-NetAdapter outputs, drivers'
// INF files, Microsoft's documentation), not against what Wine reports.
// Where Windows' own value is not known, both values are tried: the kind
// must not depend on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FixedAdapterFacts.h"
#include "net/Ipv4.h"
#include "netcheck/CheckRules.h"
#include "netcheck/ReadinessRules.h"

namespace {

constexpr unsigned kEthernet = 6, kWiFi = 71, kPropVirtual = 53, kTunnel = 131, kPpp = 23, kOther = 1;
constexpr unsigned k8023 = 14, kNative80211 = 9, kBluetooth = 10, kUnspecified = 0;
constexpr unsigned kConnected = 1, kDisconnected = 2;
constexpr unsigned kNotPresent = 6;

class Shapes final : public FixedAdapterFacts {
public:
    // An interface of the table; its GUID name follows its index.
    InterfaceFacts& Add(const wchar_t* alias, unsigned type, bool hardware, bool connector, unsigned medium,
                        const char* mac) {
        InterfaceFacts f;
        f.index = table.size() + 10;
        f.name = "{0000000" + std::to_string(f.index % 10) + "-0000-0000-0000-00000000000" + std::to_string(f.index / 10) + "}";
        f.friendlyName = alias;
        f.ifType = type;
        f.hardware = hardware;
        f.connector = connector;
        f.medium = medium;
        f.macLength = mac ? ParseMacText(f.mac.data(), f.mac.size(), mac) : 0;
        f.mediaState = kConnected;
        f.operStatus = 1;
        table.push_back(f);
        return table.back();
    }
    // The address list's entry of the interface last added: TCP/IPv4 bound.
    void Ipv4(const wchar_t* address, int prefix, bool takesPowerOn = false) {
        const InterfaceFacts& row = table.back();
        AdapterFacts f = row;
        std::uint32_t ip = 0;
        ParseDottedQuad(address, ip);
        f.addresses = {ip};
        f.masks = {PrefixMask(prefix)};
        f.up = Known::Yes;
        lists.push_back(f);
        if (takesPowerOn) powerOn = row.index;
    }
    // An adapter that only the address lists know, with one IPv4 address.
    AdapterFacts& ListOnly(unsigned long index, unsigned type, std::uint32_t address, std::uint32_t mask) {
        AdapterFacts f;
        f.index = index;
        f.ifType = type;
        f.addresses = {address};
        f.masks = {mask};
        lists.push_back(f);
        return lists.back();
    }

};

// One line an adapter: its label, kind, marks and state.
std::vector<std::wstring> Describe(const std::vector<Adapter>& adapters) {
    static const wchar_t* const kKinds[] = {L"Ethernet", L"Wi-Fi", L"Tunnel", L"Other"};
    std::vector<std::wstring> lines;
    for (const Adapter& a : adapters) {
        std::wstring line = a.label + L": " + kKinds[static_cast<int>(a.kind)];
        if (a.isVirtual) line += L", virtual";
        if (a.card >= 0) line += L", on " + adapters[static_cast<std::size_t>(a.card)].label;
        line += a.connected ? L", connected" : L", not connected";
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::wstring> Keys(const std::vector<Finding>& findings) {
    std::vector<std::wstring> keys;
    for (const Finding& f : findings) {
        std::wstring line = f.key;
        for (const std::wstring& arg : f.args) line += L" [" + arg + L"]";
        keys.push_back(line);
    }
    return keys;
}

std::vector<std::wstring> CheckKeys(const std::vector<Adapter>& adapters) {
    return Keys(CheckFindings(adapters, SubnetsOf(adapters), true));
}

using Lines = std::vector<std::wstring>;

std::vector<std::wstring> ReadyKeys(const std::vector<Adapter>& adapters, const PcPower& power = {}) {
    return Keys(ReadinessFindings(adapters, power));
}

// A driver key as a card's INF file leaves it: *WakeOnMagicPacket stored.
DriverKey WakeKey(const char* guid, std::uint32_t magicPacket) {
    DriverKey key{std::wstring(guid, guid + std::string(guid).size()), L"0001", {}};
    key.values.magicPacket.value = {true, magicPacket};
    return key;
}

TEST(WindowsShapes, HyperVExternalSwitchSitsOnItsCardWhateverItsUnknownFlags) {
    for (const bool connector : {false, true})
        for (const unsigned medium : {kUnspecified, k8023}) {
            Shapes w;
            w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-1A-2B-3C-4D-5E");  // TCP/IPv4 taken off
            w.Add(L"vEthernet (External)", kEthernet, false, connector, medium, "00-1A-2B-3C-4D-5E");
            w.Ipv4(L"192.168.1.20", 24, true);
            const std::vector<Adapter> adapters = SurveyAdapters(w);
            EXPECT_EQ((Lines{L"Ethernet: Ethernet, connected", L"vEthernet (External): Ethernet, virtual, on Ethernet, connected"}),
                      Describe(adapters));
            EXPECT_EQ((Lines{L"NETCHECK_ONE [vEthernet (External)] [192.168.1.20/24]",
                             L"NETCHECK_VIA_SWITCH [vEthernet (External)] [Ethernet]"}),
                      CheckKeys(adapters));
            const std::vector<AdapterSubnet> rows = SubnetsOf(adapters);
            EXPECT_FALSE(IsSendTarget(adapters, rows[0]));  // the card: no address, never sent to
            EXPECT_TRUE(IsSendTarget(adapters, rows[1]));
        }
}

TEST(WindowsShapes, TheWakeColumnAndFindingsReadTheCardsDriverKey) {
    Shapes w;
    w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-1A-2B-3C-4D-5E");
    w.Add(L"vEthernet (External)", kEthernet, false, false, kUnspecified, "00-1A-2B-3C-4D-5E");
    w.Ipv4(L"192.168.1.20", 24, true);
    // The switch's own key says nothing of waking; the card's says it is off.
    const std::vector<Adapter> adapters = SurveyAdapters(
        w, {WakeKey("{00000001-0000-0000-0000-000000000001}", 1), WakeKey("{00000000-0000-0000-0000-000000000001}", 0)});
    EXPECT_EQ(WakeSetting::Off, WakeSettingAt(adapters, 0));
    EXPECT_EQ(WakeSetting::Off, WakeSettingAt(adapters, 1));
    EXPECT_EQ((Lines{L"READY_WAKE_OFF [Ethernet]",
                     L"READY_CARD_UNDER_SWITCH [Ethernet] [vEthernet (External)] [00-1A-2B-3C-4D-5E]", L"READY_FIRMWARE"}),
              ReadyKeys(adapters));
}

TEST(WindowsShapes, ACardUnpluggedUnderItsSwitchTakesTheSwitchDown) {
    Shapes w;
    w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-1A-2B-3C-4D-5E").mediaState = kDisconnected;
    w.Add(L"vEthernet (External)", kEthernet, false, false, kUnspecified, "00-1A-2B-3C-4D-5E");
    w.Ipv4(L"192.168.1.20", 24, true);
    const std::vector<Adapter> adapters = SurveyAdapters(w);
    EXPECT_EQ((Lines{L"Ethernet: Ethernet, not connected",
                     L"vEthernet (External): Ethernet, virtual, on Ethernet, not connected"}),
              Describe(adapters));
    EXPECT_EQ((Lines{L"NETCHECK_CARD_UNPLUGGED [Ethernet] [vEthernet (External)]", L"NETCHECK_NO_NETWORK"}),
              CheckKeys(adapters));
    EXPECT_EQ(L"READY_NO_CABLE", ReadyKeys(adapters).front());
}

TEST(WindowsShapes, BridgeCarriesItsMembersMacWithTheLocalBitAndTheFindingsSaySo) {
    for (const bool flags : {false, true}) {
        Shapes w;
        w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-19-D1-11-22-33");
        w.Add(L"Network Bridge", kEthernet, flags, flags, flags ? k8023 : kUnspecified, "02-19-D1-11-22-33");
        w.Ipv4(L"10.0.0.5", 24, true);
        const std::vector<Adapter> adapters = SurveyAdapters(w, {WakeKey(w.table[0].name.c_str(), 1)});
        EXPECT_EQ(0, adapters[1].card) << flags;
        EXPECT_EQ((Lines{L"READY_NOTHING_WRONG",
                         L"READY_CARD_UNDER_BRIDGE [Ethernet] [Network Bridge] [00-19-D1-11-22-33] [02-19-D1-11-22-33]",
                         L"READY_FIRMWARE"}),
                  ReadyKeys(adapters));
    }
}

TEST(WindowsShapes, TeamSitsOnThePrimaryMemberOnly) {
    Shapes w;
    w.Add(L"NIC1", kEthernet, true, true, k8023, "00-1B-21-00-00-01");
    w.Add(L"NIC2", kEthernet, true, true, k8023, "00-1B-21-00-00-02");
    w.Add(L"Team", kEthernet, false, true, kUnspecified, "00-1B-21-00-00-01");
    w.Ipv4(L"10.0.0.9", 16, true);
    EXPECT_EQ((Lines{L"NIC1: Ethernet, connected", L"NIC2: Ethernet, connected", L"Team: Ethernet, virtual, on NIC1, connected"}),
              Describe(SurveyAdapters(w)));
}

// Adapters that are only software, each as Windows reports it: the VPN
// finding, never a switch. Each with a LAN card beside it, so that the
// finding names the network the send through every adapter reaches.
TEST(WindowsShapes, SoftwareAdaptersAreVirtualAndTakeTheBroadcastAwayFromTheLan) {
    struct Case {
        const wchar_t* alias;
        unsigned type;
        bool hardware, connector;
        unsigned medium;
        const char* mac;
        int prefix;
        const wchar_t* description;
    } const cases[] = {
        {L"OpenVPN TAP", kPropVirtual, false, false, kUnspecified, "00-FF-12-34-56-78", 24, L"Tunnel, virtual"},
        {L"Old TAP", kEthernet, false, false, k8023, "00-FF-12-34-56-78", 24, L"Ethernet, virtual"},
        {L"WireGuard", kPropVirtual, false, false, kUnspecified, nullptr, 32, L"Tunnel, virtual"},
        {L"ZeroTier", kEthernet, false, false, k8023, "7E-12-34-56-78-9A", 24, L"Ethernet, virtual"},
        {L"vEthernet (Default Switch)", kEthernet, false, true, kUnspecified, "00-15-5D-01-02-03", 20, L"Ethernet, virtual"},
        {L"vEthernet (WSL)", kEthernet, false, false, k8023, "00-15-5D-04-05-06", 20, L"Ethernet, virtual"},
        {L"VirtualBox Host-Only", kEthernet, true, false, k8023, "0A-00-27-00-00-0B", 24, L"Ethernet, virtual"},
        {L"VirtualBox Host-Only", kEthernet, false, false, kUnspecified, "0A-00-27-00-00-0B", 24, L"Ethernet, virtual"},
        {L"Wi-Fi Direct hotspot", kWiFi, false, false, kNative80211, "02-21-6A-11-22-33", 24, L"Wi-Fi, virtual"},
    };
    for (const Case& c : cases) {
        Shapes w;
        w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-21-6A-11-22-33");
        w.Ipv4(L"192.168.1.20", 24);
        w.Add(c.alias, c.type, c.hardware, c.connector, c.medium, c.mac);
        w.Ipv4(L"172.20.0.1", c.prefix, true);
        const std::vector<Adapter> adapters = SurveyAdapters(w);
        ASSERT_EQ(2u, adapters.size()) << c.alias;
        EXPECT_EQ(std::wstring(c.alias) + L": " + c.description + L", connected", Describe(adapters)[1]);
        EXPECT_EQ((Lines{L"NETCHECK_VIA_TUNNEL_REACHES [" + std::wstring(c.alias) + L"] [Ethernet (192.168.1.20/24)]"}),
                  CheckKeys(adapters));
    }
}

// Where Windows' flags are unknown, the kind stays what the type says.
TEST(WindowsShapes, KindDoesNotDependOnFlagsWindowsDoesNotShow) {
    struct Case {
        const wchar_t* alias;
        unsigned type;
        const char* mac;
        AdapterKind kind;
    } const cases[] = {
        {L"VMware Network Adapter VMnet1", kEthernet, "00-50-56-C0-00-01", AdapterKind::Ethernet},
        {L"Cisco AnyConnect", kEthernet, "00-05-9A-3C-7A-00", AdapterKind::Ethernet},
        {L"Vendor VPN", kOther, "00-05-9A-3C-7A-00", AdapterKind::Other},
    };
    for (const Case& c : cases)
        for (const bool hardware : {false, true})
            for (const bool connector : {false, true}) {
                Shapes w;
                w.Add(c.alias, c.type, hardware, connector, k8023, c.mac);
                w.Ipv4(L"192.168.200.1", 24);
                const std::vector<Adapter> adapters = SurveyAdapters(w);
                ASSERT_EQ(1u, adapters.size());
                EXPECT_EQ(c.kind, adapters[0].kind) << c.alias;
                EXPECT_EQ(-1, adapters[0].card);
            }
}

TEST(WindowsShapes, PppConnectionIsKnownOnlyToTheAddressList) {
    Shapes w;
    w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-21-6A-11-22-33");
    w.Ipv4(L"192.168.1.20", 24);
    AdapterFacts& ppp = w.ListOnly(99, kPpp, 0x0A080006, 0xFFFFFFFF);
    ppp.friendlyName = L"Office VPN";
    ppp.up = Known::Yes;
    w.powerOn = 99;
    const std::vector<Adapter> adapters = SurveyAdapters(w);
    EXPECT_EQ((Lines{L"Ethernet: Ethernet, connected", L"Office VPN: Tunnel, connected"}), Describe(adapters));
    EXPECT_EQ(L"NETCHECK_VIA_TUNNEL_REACHES [Office VPN] [Ethernet (192.168.1.20/24)]", CheckKeys(adapters)[0]);
}

// The event log names a card that woke the PC by its device name, which
// Vista and later show beside the connection's name and XP instead of one.
TEST(WindowsShapes, TheDeviceNameStaysBesideTheConnectionsName) {
    Shapes w;
    w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-21-6A-11-22-33").description = L"Realtek PCIe GbE Family Controller";
    w.Ipv4(L"192.168.1.20", 24, true);
    w.lists.back().description = L"Realtek PCIe GbE Family Controller";
    const std::vector<Adapter> vista = SurveyAdapters(w);
    ASSERT_EQ(1u, vista.size());
    EXPECT_EQ(L"Ethernet", vista[0].label);
    EXPECT_EQ(L"Realtek PCIe GbE Family Controller", vista[0].description);

    Shapes xp;
    const std::wstring card = L"Intel(R) PRO/1000 MT Network Connection";
    xp.ListOnly(2, kEthernet, 0xC0A80114, 0xFFFFFF00).description = card;
    xp.hasTable = false;
    const std::vector<Adapter> old = SurveyAdapters(xp);
    ASSERT_EQ(1u, old.size());
    EXPECT_EQ(card, old[0].label);
    EXPECT_EQ(card, old[0].description);
}

// Interfaces without IPv4 that no user thinks of as a network card get no
// row; Wi-Fi is Wi-Fi, and the Wi-Fi Direct adapter sits on nothing.
TEST(WindowsShapes, OnlyCardsAreListedWithoutIpv4) {
    Shapes w;
    w.Add(L"Wi-Fi", kWiFi, true, true, kNative80211, "00-21-6A-11-22-33");
    w.Ipv4(L"192.168.1.20", 24, true);
    w.Add(L"Local Area Connection* 1", kWiFi, false, false, kNative80211, "02-21-6A-11-22-33");  // Wi-Fi Direct
    w.Add(L"Local Area Connection* 2", kWiFi, false, false, kNative80211, "00-21-6A-11-22-34");  // its +1 form
    w.Add(L"WAN Miniport (IP)", kEthernet, false, false, kUnspecified, "50-50-54-50-30-30");
    w.Add(L"WAN Miniport (PPPOE)", kPpp, false, false, kUnspecified, nullptr);
    w.Add(L"Teredo Tunneling Pseudo-Interface", kTunnel, false, false, kUnspecified, nullptr);
    w.Add(L"Kernel Debug Network Adapter", kEthernet, false, false, k8023, "00-00-00-00-00-00");
    w.Add(L"Bluetooth Network Connection", kEthernet, true, true, kBluetooth, "00-1A-7D-DA-71-13");
    w.Add(L"Removed card", kEthernet, true, true, k8023, "00-0E-C6-00-00-01").operStatus = kNotPresent;
    w.Add(L"Loopback Pseudo-Interface 1", 24, false, false, kUnspecified, nullptr);
    w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-0E-C6-00-00-02").mediaState = kDisconnected;
    w.Add(L"Ethernet-WFP Native MAC Layer LightWeight Filter-0000", kEthernet, true, true, k8023, "00-0E-C6-00-00-02")
        .filter = true;
    const std::vector<Adapter> adapters = SurveyAdapters(w);
    EXPECT_EQ((Lines{L"Wi-Fi: Wi-Fi, connected", L"Ethernet: Ethernet, not connected"}), Describe(adapters));
    EXPECT_EQ(L"READY_NO_CABLE", ReadyKeys(adapters).front());
}

// A dock that copies the laptop's MAC address while the built-in card is
// unplugged is hardware on both sides: two cards, no switch.
TEST(WindowsShapes, DockWithTheLaptopsMacIsNoSwitch) {
    Shapes w;
    w.Add(L"Ethernet", kEthernet, true, true, k8023, "8C-16-45-01-02-03").mediaState = kDisconnected;
    w.Add(L"USB Dock Ethernet", kEthernet, true, true, k8023, "8C-16-45-01-02-03");
    w.Ipv4(L"192.168.1.30", 24, true);
    EXPECT_EQ((Lines{L"Ethernet: Ethernet, not connected", L"USB Dock Ethernet: Ethernet, connected"}),
              Describe(SurveyAdapters(w)));
}

// Windows XP and 2000 report neither flags nor medium: no "virtual", no
// Wi-Fi (XP calls it Ethernet), no switch.
TEST(WindowsShapes, XpWithoutFlagsGuessesNothing) {
    Shapes w;
    w.Add(L"Wireless Network Connection", kEthernet, true, true, k8023, "00-21-6A-11-22-33");
    w.Ipv4(L"192.168.1.20", 24, true);
    w.Add(L"TAP-Win32", kEthernet, false, false, k8023, "00-FF-12-34-56-78");
    w.Ipv4(L"10.8.0.6", 30);
    w.hasTable = false;
    w.table.clear();
    EXPECT_EQ((Lines{L"Wireless Network Connection: Ethernet, connected", L"TAP-Win32: Ethernet, connected"}),
              Describe(SurveyAdapters(w)));
}

// A driver key of the adapter added last: Characteristics as its INF file
// writes them, and *WakeOnMagicPacket where the driver has it.
DriverKey KeyOf(const InterfaceFacts& row, std::uint32_t characteristics, bool wakeKeyword) {
    DriverKey key = WakeKey(row.name.c_str(), 1);
    if (!wakeKeyword) key.values.magicPacket = {};
    key.values.characteristics = {true, characteristics};
    return key;
}
constexpr std::uint32_t kNcfVirtual = 0x1, kNcfPhysical = 0x84;  // NCF_PHYSICAL | NCF_HAS_UI

// A Wi-Fi laptop beside an adapter that claims Ethernet hardware: a phone's
// USB tether (Remote NDIS, rndismp6.inf: no wake keyword, inferred
// Characteristics 0x84), a packet-capture driver's loopback adapter
// (02-00-4C-4F-4F-50, Characteristics 0x1 in its INF), a vendor VPN whose
// driver claims both flags. The true advice for a laptop on Wi-Fi is the
// cable; never "nothing wrong".
TEST(WindowsShapes, NoTetherLoopbackOrVpnIsMistakenForTheCable) {
    const struct {
        const wchar_t* alias;
        const char* mac;
        bool endpoint;
        std::uint32_t characteristics;
        bool hasCharacteristics;
        const wchar_t* ready;
        const wchar_t* kind;
    } cases[] = {
        {L"Remote NDIS", "02-4B-8E-11-22-33", false, kNcfPhysical, true, L"READY_NO_WAKE_FACTS [Remote NDIS]", L"Ethernet"},
        {L"Remote NDIS", "02-4B-8E-11-22-33", true, kNcfPhysical, true, L"READY_NO_CABLE", L"Ethernet"},
        {L"Npcap Loopback Adapter", "02-00-4C-4F-4F-50", false, kNcfVirtual, true, L"READY_NO_CABLE", L"Ethernet, virtual"},
        {L"Vendor VPN", "00-05-9A-3C-7A-00", false, kNcfVirtual, true, L"READY_NO_CABLE", L"Ethernet, virtual"},
        {L"Vendor VPN", "00-05-9A-3C-7A-00", false, 0, false, L"READY_NO_WAKE_FACTS [Vendor VPN]", L"Ethernet"},
    };
    for (const auto& c : cases)
        for (const bool flags : {false, true}) {
            Shapes w;
            w.Add(L"Wi-Fi", kWiFi, true, true, kNative80211, "00-21-6A-11-22-33");
            w.Ipv4(L"192.168.1.20", 24);
            w.Add(c.alias, kEthernet, flags, flags, k8023, c.mac).endpoint = c.endpoint;
            w.Ipv4(L"10.99.0.2", 24, true);
            std::vector<DriverKey> keys{WakeKey(w.table[0].name.c_str(), 1)};
            if (c.hasCharacteristics) keys.push_back(KeyOf(w.table[1], c.characteristics, false));
            const std::vector<Adapter> adapters = SurveyAdapters(w, keys);
            const std::wstring what = std::wstring(c.alias) + (flags ? L", both flags" : L", no flags");
            // Claimed flags decide nothing where the driver says it is
            // virtual; flags that say software are software.
            const std::wstring kind = flags ? c.kind : L"Ethernet, virtual";
            EXPECT_EQ(std::wstring(c.alias) + L": " + kind + L", connected", Describe(adapters)[1]) << what;
            const std::vector<std::wstring> ready = ReadyKeys(adapters);
            EXPECT_EQ(flags ? c.ready : L"READY_NO_CABLE", ready.front()) << what;
            EXPECT_EQ(ready.end(), std::find(ready.begin(), ready.end(), L"READY_NOTHING_WRONG")) << what;
        }
}

// Where the software adapter takes Power ON's broadcast, the VPN finding
// names it, whatever flags it claims.
TEST(WindowsShapes, AVirtualDriverTakingTheBroadcastIsNoLan) {
    Shapes w;
    w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-21-6A-11-22-33");
    w.Ipv4(L"192.168.1.20", 24);
    w.Add(L"Vendor VPN", kEthernet, true, true, k8023, "00-05-9A-3C-7A-00");
    w.Ipv4(L"10.99.0.2", 24, true);
    const std::vector<Adapter> adapters = SurveyAdapters(w, {KeyOf(w.table[1], kNcfVirtual, false)});
    EXPECT_EQ((Lines{L"NETCHECK_VIA_TUNNEL_REACHES [Vendor VPN] [Ethernet (192.168.1.20/24)]"}), CheckKeys(adapters));
    EXPECT_EQ(WakeSetting::NotApplicable, WakeSettingAt(adapters, 1));
}

// A wired card whose driver keeps no wake keyword: Windows tells nothing,
// so neither "no cable" nor "nothing wrong".
TEST(WindowsShapes, AWiredCardWithoutWakeKeywordsIsNamed) {
    Shapes w;
    w.Add(L"Ethernet 2", kEthernet, true, true, k8023, "00-E0-4C-68-00-01");
    w.Ipv4(L"192.168.1.20", 24, true);
    const std::vector<Adapter> adapters = SurveyAdapters(w, {KeyOf(w.table[0], kNcfPhysical, false)});
    EXPECT_EQ((Lines{L"READY_NO_WAKE_FACTS [Ethernet 2]", L"READY_FIRMWARE"}), ReadyKeys(adapters));
    EXPECT_EQ(WakeSetting::NotReported, WakeSettingAt(adapters, 0));
}

// Two VLANs on one card (Intel's VLAN adapters carry the card's MAC, the
// card keeps no IPv4), and a switch beside a VLAN: each sits on the card,
// none is a VPN, each shows the card's wake setting.
TEST(WindowsShapes, AnyNumberOfAdaptersSitOnOneCard) {
    for (const bool switchAndVlan : {false, true}) {
        Shapes w;
        w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-1B-21-0A-0B-0C");
        w.Add(switchAndVlan ? L"vEthernet (External)" : L"VLAN10", kEthernet, false, false, kUnspecified, "00-1B-21-0A-0B-0C");
        w.Ipv4(L"10.10.0.5", 24, true);
        w.Add(L"VLAN20", kEthernet, false, false, kUnspecified, "00-1B-21-0A-0B-0C");
        w.Ipv4(L"10.20.0.5", 24);
        const std::vector<Adapter> adapters = SurveyAdapters(w, {WakeKey(w.table[0].name.c_str(), 0)});
        ASSERT_EQ(3u, adapters.size());
        EXPECT_EQ(0, adapters[1].card);
        EXPECT_EQ(0, adapters[2].card);
        const std::vector<std::wstring> check = CheckKeys(adapters);
        EXPECT_EQ(L"NETCHECK_SEVERAL [" + adapters[1].label + L"] [VLAN20]", check.front());
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(WakeSetting::Off, WakeSettingAt(adapters, i)) << i;
        EXPECT_EQ(L"READY_WAKE_OFF [Ethernet]", ReadyKeys(adapters).front());
    }
}

}  // namespace

namespace {

// A sleeping card wakes only on its own address, and which member a bridge
// or team takes its address from is not documented: the address to wake
// by is that of the card the verdicts are for, whichever member the
// bridge's address came from.
TEST(WindowsShapes, TheAddressToWakeByIsTheVerdictCardsWhateverTheBridgeOrTeamCarries) {
    Shapes bridge;  // over a Wi-Fi card and an Ethernet card, its address from the Wi-Fi card's
    bridge.Add(L"Wi-Fi", kWiFi, true, true, kNative80211, "00-21-6A-11-22-33");
    bridge.Add(L"Ethernet", kEthernet, true, true, k8023, "00-19-D1-44-55-66");
    bridge.Add(L"Network Bridge", kEthernet, false, false, kUnspecified, "02-21-6A-11-22-33");
    bridge.Ipv4(L"10.0.0.5", 24, true);
    std::vector<Adapter> adapters = SurveyAdapters(bridge, {WakeKey(bridge.table[1].name.c_str(), 1)});
    ASSERT_EQ(0, adapters[2].card);  // the bridge sits on the Wi-Fi card by its address
    EXPECT_EQ(1, WakeCardOf(adapters));
    EXPECT_EQ(L"READY_CARD_UNDER_BRIDGE [Ethernet] [Network Bridge] [00-19-D1-44-55-66] [02-21-6A-11-22-33]",
              ReadyKeys(adapters)[1]);

    Shapes team;  // a team that took its second member's address
    team.Add(L"NIC1", kEthernet, true, true, k8023, "00-1B-21-00-00-01");
    team.Add(L"NIC2", kEthernet, true, true, k8023, "00-1B-21-00-00-02");
    team.Add(L"Team", kEthernet, false, true, kUnspecified, "00-1B-21-00-00-02");
    team.Ipv4(L"10.0.0.9", 16, true);
    adapters = SurveyAdapters(team, {WakeKey(team.table[0].name.c_str(), 1), WakeKey(team.table[1].name.c_str(), 1)});
    ASSERT_EQ(1, adapters[2].card);
    EXPECT_EQ(L"READY_CARD_UNDER_BRIDGE [NIC1] [Team] [00-1B-21-00-00-01] [00-1B-21-00-00-02]", ReadyKeys(adapters)[1]);
}

// A packet-capture driver's loopback adapter (Characteristics 0x1 in its
// INF, 02-00-4C-4F-4F-50) with an automatic address, as a public ipconfig
// dump shows it, is no second network.
TEST(WindowsShapes, AVirtualAdapterWithOnlyALinkLocalAddressIsNoNetwork) {
    Shapes w;
    w.Add(L"Ethernet", kEthernet, true, true, k8023, "00-21-6A-11-22-33");
    w.Ipv4(L"192.168.1.20", 24, true);
    w.Add(L"Npcap Loopback Adapter", kEthernet, false, false, k8023, "02-00-4C-4F-4F-50");
    w.Ipv4(L"169.254.12.34", 16);
    std::vector<Adapter> adapters = SurveyAdapters(w, {KeyOf(w.table[1], kNcfVirtual, false)});
    EXPECT_EQ((Lines{L"NETCHECK_ONE [Ethernet] [192.168.1.20/24]"}), CheckKeys(adapters));
    // A real address on it is a network.
    w.lists.back().addresses = {0x0A630002};  // 10.99.0.2
    adapters = SurveyAdapters(w, {KeyOf(w.table[1], kNcfVirtual, false)});
    EXPECT_EQ(L"NETCHECK_SEVERAL", CheckKeys(adapters)[0].substr(0, 16));
}

}  // namespace

// The network check's rules: broadcasts, kinds and findings.
#include <gtest/gtest.h>

#include "net/Ipv4.h"
#include "net/AdapterKinds.h"
#include "netcheck/CheckRules.h"

namespace {

std::uint32_t Ip(const wchar_t* text) {
    std::uint32_t address = 0;
    EXPECT_TRUE(ParseDottedQuad(text, address)) << text;
    return address;
}

std::wstring Broadcast(const wchar_t* address, const wchar_t* mask) {
    std::uint32_t broadcast = 0;
    return DirectedBroadcast(Ip(address), Ip(mask), broadcast) ? DottedQuad(broadcast) : L"-";
}

TEST(NetCheck, BroadcastIsComputedFromTheRealMask) {
    EXPECT_EQ(L"10.255.255.255", Broadcast(L"10.1.2.3", L"255.0.0.0"));
    EXPECT_EQ(L"192.168.1.255", Broadcast(L"192.168.0.5", L"255.255.254.0"));
    EXPECT_EQ(L"192.168.0.255", Broadcast(L"192.168.0.5", L"255.255.255.0"));
    EXPECT_EQ(L"192.168.0.7", Broadcast(L"192.168.0.5", L"255.255.255.252"));
    EXPECT_EQ(L"-", Broadcast(L"192.168.0.5", L"255.255.255.254"));  // /31: both addresses are hosts
    EXPECT_EQ(L"-", Broadcast(L"192.168.0.5", L"255.255.255.255"));
    EXPECT_EQ(L"-", Broadcast(L"192.168.0.5", L"0.0.0.0"));          // would be 255.255.255.255
    EXPECT_EQ(L"-", Broadcast(L"192.168.0.5", L"255.0.255.0"));      // not a mask at all
}

TEST(NetCheck, KindFollowsTheInterfaceType) {
    EXPECT_EQ(AdapterKind::Ethernet, KindOfAdapter(6, 6));
    EXPECT_EQ(AdapterKind::WiFi, KindOfAdapter(71, 6));
    for (unsigned tunnel : {23u, 53u, 131u}) EXPECT_EQ(AdapterKind::Tunnel, KindOfAdapter(tunnel, 6)) << tunnel;
    EXPECT_EQ(AdapterKind::Tunnel, KindOfAdapter(1, 0));  // no hardware address: a tun device
    EXPECT_EQ(AdapterKind::Other, KindOfAdapter(1, 6));
    EXPECT_EQ(AdapterKind::Other, KindOfAdapter(9, 6));
}

Adapter Row(const wchar_t* label, AdapterKind kind, std::vector<std::uint32_t> addresses, bool powerOn = false) {
    Adapter a;
    a.label = label;
    a.kind = kind;
    a.ifType = kind == AdapterKind::WiFi ? 71 : kind == AdapterKind::Ethernet ? 6 : 131;
    a.connected = true;
    a.takesPowerOn = powerOn;
    a.masks.assign(addresses.size(), Ip(L"255.255.255.0"));
    a.addresses = std::move(addresses);
    return a;
}

std::vector<std::wstring> Keys(const std::vector<Adapter>& adapters, bool macComplete = true) {
    std::vector<std::wstring> keys;
    for (const Finding& f : CheckFindings(adapters, SubnetsOf(adapters), macComplete)) {
        std::wstring line = f.key;
        for (const std::wstring& arg : f.args) line += L" [" + arg + L"]";
        keys.push_back(line);
    }
    return keys;
}
using Lines = std::vector<std::wstring>;

TEST(NetCheck, Findings) {
    EXPECT_EQ((Lines{L"NETCHECK_NO_NETWORK"}), Keys({}));
    EXPECT_EQ((Lines{L"NETCHECK_NO_NETWORK", L"NETCHECK_TYPE_MAC"}),
              Keys({Row(L"Bound", AdapterKind::Ethernet, {}, true)}, false));
    EXPECT_EQ((Lines{L"NETCHECK_ONE [eth0] [10.1.0.2/24]"}),
              Keys({Row(L"eth0", AdapterKind::Ethernet, {Ip(L"10.1.0.2")}, true)}));
    EXPECT_EQ((Lines{L"NETCHECK_SEVERAL [Wi-Fi] [eth0, eth1]"}),
              Keys({Row(L"eth0", AdapterKind::Ethernet, {Ip(L"10.1.0.2")}),
                    Row(L"Wi-Fi", AdapterKind::WiFi, {Ip(L"10.2.0.2")}, true),
                    Row(L"eth1", AdapterKind::Ethernet, {Ip(L"10.4.0.2")})}));
    EXPECT_EQ((Lines{L"NETCHECK_VIA_TUNNEL_REACHES [vpn0] [eth0 (10.1.0.2/24)]"}),
              Keys({Row(L"eth0", AdapterKind::Ethernet, {Ip(L"10.1.0.2")}),
                    Row(L"vpn0", AdapterKind::Tunnel, {Ip(L"10.8.0.2")}, true)}));
    Adapter vswitch = Row(L"vEthernet", AdapterKind::Ethernet, {Ip(L"172.20.0.1")}, true);
    vswitch.isVirtual = true;
    vswitch.hardware = Known::No;  // what made it virtual
    EXPECT_EQ((Lines{L"NETCHECK_VIA_TUNNEL [vEthernet]"}), Keys({vswitch}));
    EXPECT_EQ((Lines{L"NETCHECK_NO_ROUTE"}), Keys({Row(L"eth0", AdapterKind::Ethernet, {Ip(L"10.1.0.2")})}));
}

}  // namespace

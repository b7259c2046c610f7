// This PC's adapters by subnet: the rows, which of them a send through
// every adapter goes to, and which holds an address.
#include <gtest/gtest.h>

#include "net/AdapterSubnets.h"
#include "net/Ipv4.h"

namespace {

std::uint32_t Ip(const wchar_t* text) {
    std::uint32_t address = 0;
    EXPECT_TRUE(ParseDottedQuad(text, address)) << text;
    return address;
}

Adapter Lan(std::vector<std::uint32_t> addresses, const wchar_t* mask = L"255.255.255.0") {
    Adapter a;
    a.kind = AdapterKind::Ethernet;
    a.connected = true;
    a.masks.assign(addresses.size(), Ip(mask));
    a.addresses = std::move(addresses);
    return a;
}

TEST(AdapterSubnets, RowsAndTargets) {
    Adapter bound = Lan({});  // a card on a virtual switch
    Adapter two = Lan({Ip(L"10.1.0.2"), Ip(L"10.2.0.2")});
    Adapter down = Lan({Ip(L"10.3.0.2")});
    down.connected = false;
    const std::vector<Adapter> adapters{bound, two, down};
    const std::vector<AdapterSubnet> rows = SubnetsOf(adapters);
    ASSERT_EQ(4u, rows.size());
    EXPECT_FALSE(rows[0].hasAddress);
    EXPECT_EQ(L"10.2.0.255", DottedQuad(rows[2].broadcast));
    EXPECT_EQ(24, rows[2].prefix);
    const bool targets[] = {false, true, true, false};  // no address; two subnets; not connected
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(targets[i], IsSendTarget(adapters, rows[i])) << i;
}

TEST(AdapterSubnets, TheConnectedSubnetThatHoldsTheAddress) {
    const std::vector<Adapter> adapters{Lan({Ip(L"192.168.1.20")}), Lan({Ip(L"10.8.0.6")}, L"255.255.255.252")};
    const std::vector<AdapterSubnet> rows = SubnetsOf(adapters);
    EXPECT_EQ(0, LocalRowFor(Ip(L"192.168.1.23"), adapters, rows));
    EXPECT_EQ(1, LocalRowFor(Ip(L"10.8.0.5"), adapters, rows));
    EXPECT_EQ(-1, LocalRowFor(Ip(L"172.16.0.9"), adapters, rows));  // behind a router
}

}  // namespace

// Wake and wait's address field, the addresses it refuses, and the address
// the ARP cache gives for the PC's MAC address.
#include <gtest/gtest.h>

#include "net/Ipv4.h"
#include "wakewait/ProbeFacts.h"
#include "wakewait/WakeTarget.h"

namespace {

std::uint32_t Ip(const wchar_t* text) {
    std::uint32_t address = 0;
    EXPECT_EQ(TargetKind::Address, ParseTarget(text, address)) << text;
    return address;
}

TEST(WakeTarget, TheFieldTakesFourDecimalPartsOrAName) {
    EXPECT_EQ(L"192.168.1.23", DottedQuad(Ip(L"192.168.1.23")));
    EXPECT_EQ(L"10.0.0.1", DottedQuad(Ip(L"010.0.0.1")));  // decimal, never octal
    std::uint32_t address = 0;
    for (const wchar_t* bad : {L"", L"192.168.1", L"192.168.1.256", L"192.168.1.2.3", L"1.2.3.", L".1.2.3",
                               L"1..2.3", L"1.2.3.4 5", L"pc name", L"pc_name", L"-pc", L"0x7f.0.0.1"})
        EXPECT_EQ(TargetKind::Invalid, ParseTarget(bad, address)) << bad;
    for (const wchar_t* name : {L"office-pc", L"pc.example.lan", L"PC7"})
        EXPECT_EQ(TargetKind::Name, ParseTarget(name, address)) << name;
}

Adapter Lan(const wchar_t* address, const wchar_t* mask) {
    Adapter a;
    a.kind = AdapterKind::Ethernet;
    a.connected = true;
    a.addresses = {Ip(address)};
    a.masks = {Ip(mask)};
    return a;
}

TEST(WakeTarget, AddressesThatAreNoOtherPcAreRefused) {
    const std::vector<Adapter> adapters{Lan(L"192.168.1.20", L"255.255.255.0"), Lan(L"10.8.0.6", L"255.255.255.252")};
    EXPECT_EQ(Refusal::OwnAddress, RefuseAddress(Ip(L"192.168.1.20"), adapters));
    EXPECT_EQ(Refusal::OwnAddress, RefuseAddress(Ip(L"127.0.0.1"), adapters));
    for (const wchar_t* notAPc : {L"0.0.0.0", L"255.255.255.255", L"192.168.1.0", L"192.168.1.255", L"10.8.0.7",
                                  L"10.8.0.4", L"224.0.0.1"})
        EXPECT_EQ(Refusal::NotAPc, RefuseAddress(Ip(notAPc), adapters)) << notAPc;
    EXPECT_EQ(Refusal::None, RefuseAddress(Ip(L"192.168.1.23"), adapters));
    EXPECT_EQ(Refusal::None, RefuseAddress(Ip(L"172.16.0.9"), adapters));
}

TEST(WakeTarget, TheArpCacheGivesTheLastValidAddressOfTheMac) {
    const MacAddress mac{0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    const MacAddress other{0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x5F};
    std::uint32_t address = 0;
    EXPECT_FALSE(FindAddressForMac({}, mac, address));
    EXPECT_FALSE(FindAddressForMac({{other, 6, Ip(L"10.0.0.3"), 3}, {mac, 6, Ip(L"10.0.0.4"), 2}}, mac, address));
    EXPECT_FALSE(FindAddressForMac({{mac, 8, Ip(L"10.0.0.4"), 3}}, mac, address));
    EXPECT_TRUE(FindAddressForMac({{mac, 6, Ip(L"10.0.0.4"), 3}, {mac, 6, Ip(L"10.0.0.5"), 4}}, mac, address));
    EXPECT_EQ(L"10.0.0.5", DottedQuad(address));
}

}  // namespace

#include <gtest/gtest.h>

#include "ownmac/AdapterChoice.h"
#include "net/Ipv4.h"
#include "net/MacAddress.h"

namespace {

const MacAddress kMacA{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
const MacAddress kMacB{0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};

// An adapter of the list with its IPv4 addresses, written as dotted text.
AdapterFacts Card(const MacAddress& mac, std::initializer_list<const wchar_t*> addresses) {
    AdapterFacts a;
    a.mac = mac;
    for (const wchar_t* text : addresses) {
        std::uint32_t address = 0;
        EXPECT_TRUE(ParseDottedQuad(text, address)) << text;
        a.addresses.push_back(address);
    }
    return a;
}

TEST(AdapterChoice, PicksTheAdapterCarryingTheLocalAddress) {
    EXPECT_EQ(L"001A2B3C4D5E", ChooseAdapterMac({Card(kMacA, {L"10.0.0.2"})}, L"10.0.0.2"));
    EXPECT_EQ(L"0A0B0C0D0E0F", ChooseAdapterMac({Card(kMacB, {L"10.0.0.2"})}, L"10.0.0.2"));  // 0A, never a or A
    // The local address as the second entry of an adapter's list.
    EXPECT_EQ(L"0A0B0C0D0E0F",
              ChooseAdapterMac({Card(kMacA, {L"10.0.0.3"}), Card(kMacB, {L"10.0.0.9", L"10.0.0.2"})}, L"10.0.0.2"));
}

TEST(AdapterChoice, TheLastMatchWins) {
    EXPECT_EQ(L"0A0B0C0D0E0F", ChooseAdapterMac({Card(kMacA, {L"10.0.0.2"}), Card(kMacB, {L"10.0.0.2"})}, L"10.0.0.2"));
    EXPECT_EQ(L"001A2B3C4D5E",
              ChooseAdapterMac({Card(kMacB, {L"10.0.0.2"}), Card(kMacA, {L"10.0.0.2"}), Card(kMacB, {L"10.0.0.7"})},
                               L"10.0.0.2"));
}

TEST(AdapterChoice, NoMatchGivesEmptyText) {
    EXPECT_EQ(L"", ChooseAdapterMac({}, L"10.0.0.2"));
    EXPECT_EQ(L"", ChooseAdapterMac({Card(kMacA, {})}, L"10.0.0.2"));  // not connected: no address listed
    EXPECT_EQ(L"", ChooseAdapterMac({Card(kMacA, {L"10.0.0.20"})}, L"10.0.0.2"));  // whole addresses only
    EXPECT_EQ(L"", ChooseAdapterMac({Card(kMacA, {L"10.0.0.2"})}, L"fe80::1%2"));  // IPv6 never matches
    EXPECT_EQ(L"", ChooseAdapterMac({Card(kMacA, {L"10.0.0.2"})}, L""));
    EXPECT_EQ(L"", ChooseAdapterMac({Card(kMacA, {L"10.0.0.2"})}, L"10.0.0.2 "));  // not an address
}

TEST(AdapterChoice, UsesTheFirstSixBytesWhateverTheLength) {
    const std::vector<std::uint8_t> eight{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    EXPECT_EQ(L"010203040506", ChooseAdapterMac({Card(MacFromBytes(eight.data(), eight.size()), {L"10.0.0.2"})}, L"10.0.0.2"));
    EXPECT_EQ(L"FFFE00000000", FormatMacCompact({0xFF, 0xFE}));
}

TEST(AdapterChoice, DisplayFormIsCutIntoPiecesOfTwo) {
    EXPECT_EQ(L"00-1A-2B-3C-4D-5E", FormatMacDisplay(L"001A2B3C4D5E"));
    EXPECT_EQ(L"-----", FormatMacDisplay(L""));
    EXPECT_EQ(L"00-1A-2---", FormatMacDisplay(L"001A2"));
    EXPECT_EQ(L"00-1A-2B-3C-4D-5E", FormatMacDisplay(L"001A2B3C4D5E77"));
}

}  // namespace

// Recognising a received magic packet, wherever the sender put it.
#include <gtest/gtest.h>

#include <vector>

#include "listener/ListenProblem.h"
#include "listener/MagicPacketMatch.h"
#include "net/BroadcastDestination.h"

namespace {

const MacAddress kMac{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};

std::vector<std::uint8_t> Datagram(std::size_t header, std::size_t password, const MacAddress& mac = kMac) {
    std::vector<std::uint8_t> d(header, 0x42);
    const MagicPacket packet = BuildMagicPacket(mac);
    d.insert(d.end(), packet.begin(), packet.end());
    d.insert(d.end(), password, 0x77);
    return d;
}

bool Find(const std::vector<std::uint8_t>& d, MagicPacketMatch& m) {
    return FindMagicPacket(d.data(), d.size(), m);
}

TEST(MagicPacketMatch, FindsThePacketAfterAnyHeaderWithOrWithoutPassword) {
    for (std::size_t header : {0u, 1u, 17u, 300u}) {
        for (std::size_t password : {0u, 4u, 6u}) {
            MagicPacketMatch m;
            ASSERT_TRUE(Find(Datagram(header, password), m)) << header << " " << password;
            EXPECT_EQ(kMac, m.mac);
            EXPECT_EQ(password, m.passwordLength);
        }
    }
}

TEST(MagicPacketMatch, RefusesEverythingElse) {
    MagicPacketMatch m;
    EXPECT_FALSE(Find({}, m));
    EXPECT_FALSE(Find(std::vector<std::uint8_t>(101, 0xFF), m));
    EXPECT_FALSE(Find(Datagram(0, 5), m));  // a password is 4 or 6 bytes

    std::vector<std::uint8_t> fifteen = Datagram(0, 0);
    fifteen.resize(fifteen.size() - kMacBytes);
    EXPECT_FALSE(Find(fifteen, m));

    std::vector<std::uint8_t> mixed = Datagram(0, 0);
    mixed[kMacBytes * 9] ^= 0x01;  // one copy differs
    EXPECT_FALSE(Find(mixed, m));
}

TEST(MagicPacketMatch, AllOnesIsTheBroadcastAddressWhateverItsLength) {
    MagicPacketMatch m;
    ASSERT_TRUE(Find(std::vector<std::uint8_t>(65536, 0xFF), m));
    EXPECT_EQ((MacAddress{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), m.mac);
    EXPECT_EQ(0u, m.passwordLength);
}

// Windows' Simple TCP/IP Services hold echo and discard: a port there that
// is in use is named after them, and only there.
TEST(ListenProblem, APortInUseIsNamedAfterTheServiceThatHoldsIt) {
    constexpr int kInUse = 10048, kAccess = 10013, kNoBuffers = 10055;
    EXPECT_STREQ(L"LISTEN_SIMPLE_TCPIP", ListenProblemKey(kInUse, 7, true));
    EXPECT_STREQ(L"LISTEN_SIMPLE_TCPIP", ListenProblemKey(kAccess, 9, true));
    EXPECT_STREQ(L"LISTEN_IN_USE", ListenProblemKey(kInUse, 9, false));
    EXPECT_STREQ(L"LISTEN_IN_USE", ListenProblemKey(kInUse, 40000, true));
    EXPECT_STREQ(L"LISTEN_PORT_FAILED", ListenProblemKey(kNoBuffers, 9, true));
}

}  // namespace

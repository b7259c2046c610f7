#include <gtest/gtest.h>

#include <vector>

#include "net/BroadcastDestination.h"

namespace {

std::vector<std::uint8_t> Parse(const char* text, size_t capacity = 6) {
    std::vector<std::uint8_t> out(capacity + 4, 0xEE);  // guard bytes after the capacity
    const int count = ParseMacText(out.data(), capacity, text);
    for (size_t i = capacity; i < out.size(); ++i) EXPECT_EQ(0xEE, out[i]) << "wrote past capacity: " << text;
    out.resize(static_cast<size_t>(count));
    return out;
}

TEST(ParseMacText, Examples) {
    const std::vector<std::uint8_t> expected{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F};
    for (const char* text : {"0A1B2C3D4E5F", "0A-1B-2C-3D-4E-5F", "0A:1B:2C:3D:4E:5F", "0A 1B 2C 3D 4E 5F",
                             "0x0A1B2C3D4E5F", "0X0A1B2C3D4E5F", "0a1b2c3d4e5f", "0-A1:B2 C3D4E5F"})
        EXPECT_EQ(expected, Parse(text)) << text;

    EXPECT_EQ(std::vector<std::uint8_t>{0x12}, Parse("0-X-12"));  // separators go before the prefix test
    EXPECT_EQ((std::vector<std::uint8_t>{0x12, 0x34}), Parse("12345"));  // a dangling digit is dropped
    EXPECT_EQ(std::vector<std::uint8_t>{0x12}, Parse("12G456"));
    EXPECT_EQ(std::vector<std::uint8_t>{}, Parse("1X12"));  // X only counts right at the start
    EXPECT_EQ(std::vector<std::uint8_t>{}, Parse(""));
    EXPECT_EQ(std::vector<std::uint8_t>{}, Parse("0x"));
}

TEST(ParseMacText, NeverWritesPastItsBuffers) {
    EXPECT_EQ(6u, Parse("00112233445566778899AABB").size());
    EXPECT_EQ(2u, Parse("0011223344", 2).size());
    // Far more text than the work buffer holds.
    const std::string longText(10000, 'A');
    EXPECT_EQ(6u, Parse(longText.c_str()).size());
    std::vector<std::uint8_t> many(200);
    EXPECT_EQ(63, ParseMacText(many.data(), many.size(), longText.c_str()));  // 127 kept digits
}

TEST(MagicPacket, SixFfThenTheAddressSixteenTimes) {
    const MagicPacket packet = BuildMagicPacket({0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F});
    ASSERT_EQ(102u, packet.size());
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(0xFF, packet[i]);
    for (size_t copy = 0; copy < 16; ++copy) {
        const std::uint8_t expected[] = {0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F};
        for (size_t i = 0; i < 6; ++i) EXPECT_EQ(expected[i], packet[6 + copy * 6 + i]) << copy;
    }
    EXPECT_EQ(0x5F, packet[101]);
}

TEST(MagicPacket, DestinationSetsTheNineLowestBits) {
    EXPECT_EQ(0xFFFFFFFFu, BroadcastDestination(0xFFFFFFFFu));
    EXPECT_EQ(0xC0A801FFu, BroadcastDestination(0xC0A80005u));  // 192.168.0.5 -> 192.168.1.255
    EXPECT_EQ(0x0A0001FFu, BroadcastDestination(0x0A000000u));
}

}  // namespace

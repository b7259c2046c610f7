// The one decoder of registry values: which types and sizes hold a number
// or a text, whoever read them.
#include <gtest/gtest.h>

#include <vector>

#include "core/RegistryValue.h"

namespace {

constexpr unsigned long kSz = 1, kExpandSz = 2, kBinary = 3, kDword = 4, kMultiSz = 7;

RegNumber FromBytes(unsigned long type, std::vector<unsigned char> bytes) {
    return RegistryNumber(type, bytes.data(), bytes.size());
}

TEST(RegistryValue, NumbersOfEveryTypeAndSize) {
    EXPECT_EQ(0x118u, FromBytes(kDword, {0x18, 0x01, 0, 0}).value);
    EXPECT_FALSE(FromBytes(kDword, {0x18, 0x01, 0}).present);           // short
    EXPECT_FALSE(FromBytes(kDword, {0x18, 0x01, 0, 0, 0, 0}).present);  // a QWORD's size
    EXPECT_EQ(1u, FromBytes(kSz, {'1', 0, 0, 0}).value);
    EXPECT_EQ(280u, FromBytes(kSz, {'2', 0, '8', 0, '0', 0}).value);    // no terminator
    EXPECT_EQ(1u, FromBytes(kExpandSz, {'1', 0}).value);
    EXPECT_FALSE(FromBytes(kSz, {'1', 0, 'x', 0, 0, 0}).present);
    EXPECT_FALSE(FromBytes(kSz, {0, 0}).present);
    EXPECT_FALSE(FromBytes(kSz, {'1'}).present);                        // half a character
    EXPECT_FALSE(FromBytes(kSz, {'4', 0, '2', 0, '9', 0, '4', 0, '9', 0, '6', 0, '7', 0, '2', 0, '9', 0, '6', 0}).present);
    EXPECT_FALSE(FromBytes(kBinary, {1, 0, 0, 0}).present);
    EXPECT_FALSE(FromBytes(kMultiSz, {'1', 0, 0, 0, 0, 0}).present);
    std::vector<unsigned char> oversized(70000, '1');
    EXPECT_FALSE(FromBytes(kSz, oversized).present);
}

TEST(RegistryValue, TextsUpToTheirFirstNulOfTheTextTypesOnly) {
    const RegistryValue stored{true, kSz, {'0', 0, '0', 0, '1', 0, '2', 0, 0, 0, 'x', 0}};
    EXPECT_EQ(L"0012", stored.Text());
    EXPECT_EQ(12u, stored.Number().value);
    EXPECT_EQ(L"ab", (RegistryValue{true, kExpandSz, {'a', 0, 'b', 0, 'c'}}.Text()));  // half a character dropped
    EXPECT_EQ(L"\u00e9", (RegistryValue{true, kSz, {0xE9, 0}}.Text()));  // UTF-16, little-endian
    EXPECT_EQ(L"", (RegistryValue{true, kMultiSz, {'a', 0, 0, 0, 0, 0}}.Text()));
    EXPECT_EQ(L"", (RegistryValue{true, kDword, {'1', 0, 0, 0}}.Text()));
    // Absent reads as nothing, whatever it would have held.
    EXPECT_EQ(L"", RegistryValue().Text());
    EXPECT_FALSE(RegistryValue().Number().present);
}

}  // namespace

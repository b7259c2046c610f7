// The firmware's wake-up type, walked out of raw SMBIOS tables laid out as
// GetSystemFirmwareTable('RSMB') returns them and public dump tools save
// them: Microsoft's RawSMBIOSData (Used20CallingMethod, SMBIOSMajorVersion,
// SMBIOSMinorVersion, DmiRevision, a DWORD Length, then the table; the
// header the smbios-lib crate's WinSMBiosData reads from a saved RSMB
// table). Structures as in DMTF's SMBIOS reference (DSP0134): type 1 holds
// the wake-up type at 18h from SMBIOS 2.1 (length 19h; 08h in 2.0, 1Bh from
// 2.4); type 127 ends the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lastwake/SmbiosWakeUp.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Header, formatted area (zero-filled to `length`), strings, double NUL.
Bytes Structure(std::uint8_t type, std::uint8_t length, Bytes formatted, const std::string& strings) {
    Bytes s{type, length, type, 0};
    formatted.resize(length - 4u, 0);
    s.insert(s.end(), formatted.begin(), formatted.end());
    s.insert(s.end(), strings.begin(), strings.end());
    s.insert(s.end(), strings.empty() ? 2 : 1, 0);
    return s;
}
// Each string with its NUL, as written in the literal.
template <std::size_t N>
std::string Strings(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}
const Bytes kBios = Structure(0, 0x18, {1, 2, 0x00, 0xF0, 3}, Strings("American Megatrends Inc.\0" "1.40\0" "07/26/2019\0"));
const Bytes kBaseboard = Structure(2, 0x0F, {1, 2, 3}, Strings("Micro-Star\0B450M\0" "1.0\0"));
const Bytes kEnd = Structure(127, 4, {}, "");

// Manufacturer, product, version, serial, UUID, then the wake-up type.
Bytes SystemInformation(std::uint8_t length, std::uint8_t wakeUpType) {
    Bytes formatted{1, 2, 3, 4, 0x3D, 0x12, 0x19, 0xC7, 0xC4, 0xC5, 0x40, 0x4A, 0xAA, 0x1F, 0x6D, 0x2A, 0x48, 0xAD, 0xFD, 0xA4};
    formatted.push_back(wakeUpType);
    return Structure(1, length, formatted, Strings("Micro-Star International Co., Ltd.\0MS-7B86\0" "1.0\0" "Default string\0"));
}

// The RSMB header before the structures; its Length says `length`, or the table's own.
Bytes Raw(const std::vector<Bytes>& structures, long long length = -1) {
    Bytes raw{0, 3, 2, 0, 0, 0, 0, 0};
    for (const Bytes& s : structures) raw.insert(raw.end(), s.begin(), s.end());
    const auto said = static_cast<std::uint32_t>(length < 0 ? raw.size() - 8 : static_cast<unsigned long long>(length));
    for (int i = 0; i < 4; ++i) raw[4 + i] = static_cast<std::uint8_t>(said >> (8 * i));
    return raw;
}

// On a copy of exactly its size, so that the sanitizer sees any read past it.
int WakeUpTypeOf(const Bytes& raw) {
    const std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[raw.size() + 1]);
    std::copy(raw.begin(), raw.end(), exact.get());
    return SmbiosWakeUpType(exact.get(), raw.size());
}

TEST(SmbiosWakeUp, EveryWakeUpTypeOfTheSystemInformation) {
    // 1 other ... 5 LAN remote, 6 power switch, 7 PCI PME#, 8 AC power
    // restored; the byte as it stands, also where no name is defined for it.
    for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0xFF})
        EXPECT_EQ(type, WakeUpTypeOf(Raw({kBios, SystemInformation(0x1B, static_cast<std::uint8_t>(type)), kBaseboard, kEnd})));
    Bytes bare(20, 0);
    bare.push_back(6);
    EXPECT_EQ(6, WakeUpTypeOf(Raw({Structure(1, 0x19, bare, ""), kEnd})));  // no strings at all
}

TEST(SmbiosWakeUp, OnlyATypeOneLongEnoughHoldsTheByte) {
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({kBios, SystemInformation(0x08, 6), kEnd})));  // SMBIOS 2.0
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({kBios, SystemInformation(0x18, 6), kEnd})));
    EXPECT_EQ(6, WakeUpTypeOf(Raw({kBios, SystemInformation(0x19, 6), kEnd})));  // SMBIOS 2.1
}

TEST(SmbiosWakeUp, NoTypeOneBeforeTheEndOfTheTable) {
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({kBios, kBaseboard, kEnd})));
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({})));
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({kBios, kEnd, SystemInformation(0x1B, 5)})));
    EXPECT_EQ(5, WakeUpTypeOf(Raw({kBios, SystemInformation(0x1B, 5)})));  // the Length ends a table without type 127
    Bytes beyond = Raw({kBios, kBaseboard});
    const Bytes typeOne = SystemInformation(0x1B, 5);
    beyond.insert(beyond.end(), typeOne.begin(), typeOne.end());  // past the Length: not the table's
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(beyond));
}

TEST(SmbiosWakeUp, CutShortOrMalformedUpToTheTypeOneHasNone) {
    const Bytes full = Raw({kBios, SystemInformation(0x1B, 5), kBaseboard, kEnd});
    const std::size_t typeOneEnd = 8 + kBios.size() + SystemInformation(0x1B, 5).size();
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        Bytes buffer(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(buffer)) << cut;  // a Length larger than the buffer
        if (cut < 8) continue;
        for (int i = 0; i < 4; ++i) buffer[4 + i] = static_cast<std::uint8_t>((cut - 8) >> (8 * i));
        EXPECT_EQ(cut < typeOneEnd ? kNoWakeUpType : 5, WakeUpTypeOf(buffer)) << cut;  // the structures cut
    }
    const Bytes tiny{2, 2, 0, 0};  // a length shorter than its own header
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({kBios, tiny, SystemInformation(0x1B, 5), kEnd})));
    Bytes open = SystemInformation(0x1B, 5);
    open.back() = 'x';  // its strings never end
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({kBios, open})));
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({kBios, SystemInformation(0x1B, 5), kEnd}, 0xFFFFFFFFll)));
}

}  // namespace

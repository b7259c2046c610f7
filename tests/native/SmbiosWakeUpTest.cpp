// The firmware's wake-up type, walked out of raw SMBIOS tables laid out as
// GetSystemFirmwareTable('RSMB') returns them and as public dump tools save
// them: Microsoft's RawSMBIOSData (the Remarks of GetSystemFirmwareTable:
// Used20CallingMethod, SMBIOSMajorVersion, SMBIOSMinorVersion, DmiRevision,
// a DWORD Length, then the table), the same header the smbios-lib crate's
// WinSMBiosData reads from a saved RSMB table. The structures follow DMTF's
// SMBIOS reference (DSP0134): type 0 BIOS, type 1 System Information with
// the wake-up type at 18h (length 08h in SMBIOS 2.0, 19h from 2.1, 1Bh from
// 2.4), type 2 baseboard, type 127 end of table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lastwake/SmbiosWakeUp.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A structure: header, the formatted area after it, its strings, the double NUL.
Bytes Structure(std::uint8_t type, std::uint8_t length, std::uint16_t handle, Bytes formatted,
                std::vector<std::string> strings) {
    Bytes s{type, length, static_cast<std::uint8_t>(handle), static_cast<std::uint8_t>(handle >> 8)};
    formatted.resize(length - 4u, 0);
    s.insert(s.end(), formatted.begin(), formatted.end());
    for (const std::string& text : strings) {
        s.insert(s.end(), text.begin(), text.end());
        s.push_back(0);
    }
    if (strings.empty()) s.push_back(0);
    s.push_back(0);
    return s;
}

Bytes Bios() {
    return Structure(0, 0x18, 0x0000, {1, 2, 0x00, 0xF0, 3, 0xFF}, {"American Megatrends Inc.", "1.40", "07/26/2019"});
}

// Manufacturer, product, version, serial, a UUID, then the wake-up type,
// SKU and family where the length holds them.
Bytes SystemInformation(std::uint8_t length, std::uint8_t wakeUpType) {
    Bytes formatted{1, 2, 3, 4};
    for (int i = 0; i < 16; ++i) formatted.push_back(static_cast<std::uint8_t>(0x10 + i));
    formatted.push_back(wakeUpType);
    formatted.push_back(5);
    formatted.push_back(6);
    return Structure(1, length, 0x0001, formatted,
                     {"Micro-Star International Co., Ltd.", "MS-7B86", "1.0", "Default string", "Default string", "Default string"});
}

Bytes Baseboard() {
    return Structure(2, 0x0F, 0x0002, {1, 2, 3, 4, 5, 0x09, 6, 0x03, 0x00, 0x0A, 0x00}, {"Micro-Star", "B450M", "1.0"});
}

Bytes EndOfTable() {
    return Structure(127, 4, 0xFEFF, {}, {});
}

// The RSMB header (calling method 0, version major.minor, DMI revision 0,
// the table's length) before the structures.
Bytes Raw(std::vector<Bytes> structures, std::uint8_t major = 3, std::uint8_t minor = 2) {
    Bytes table;
    for (const Bytes& s : structures) table.insert(table.end(), s.begin(), s.end());
    const auto length = static_cast<std::uint32_t>(table.size());
    Bytes raw{0, major, minor, 0, static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
              static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24)};
    raw.insert(raw.end(), table.begin(), table.end());
    return raw;
}

int WakeUpTypeOf(const Bytes& raw) {
    // A copy of exactly its size, so that the sanitizer sees any read past it.
    const std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[raw.size() + 1]);
    std::copy(raw.begin(), raw.end(), exact.get());
    return SmbiosWakeUpType(raw.empty() ? nullptr : exact.get(), raw.size());
}

void SetLength(Bytes& raw, std::uint32_t length) {
    for (int i = 0; i < 4; ++i) raw[4 + i] = static_cast<std::uint8_t>(length >> (8 * i));
}

TEST(SmbiosWakeUp, EveryWakeUpTypeOfTheSystemInformation) {
    // 0 reserved, 1 other, 2 unknown, 3 APM timer, 4 modem ring, 5 LAN
    // remote, 6 power switch, 7 PCI PME#, 8 AC power restored; the byte as it
    // stands, also where no name is defined for it.
    for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0xFF})
        EXPECT_EQ(type, WakeUpTypeOf(Raw({Bios(), SystemInformation(0x1B, static_cast<std::uint8_t>(type)), Baseboard(), EndOfTable()})))
            << type;
    // A type 1 with no strings at all ends with its double NUL alone.
    Bytes bare = Structure(1, 0x19, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6}, {});
    EXPECT_EQ(6, WakeUpTypeOf(Raw({bare, EndOfTable()})));
}

TEST(SmbiosWakeUp, OnlyATypeOneLongEnoughHoldsTheByte) {
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({Bios(), SystemInformation(0x08, 6), EndOfTable()}, 2, 0)));  // SMBIOS 2.0
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({Bios(), SystemInformation(0x18, 6), EndOfTable()})));
    EXPECT_EQ(6, WakeUpTypeOf(Raw({Bios(), SystemInformation(0x19, 6), EndOfTable()}, 2, 1)));  // SMBIOS 2.1
}

TEST(SmbiosWakeUp, NoTypeOneBeforeTheEndOfTheTable) {
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({Bios(), Baseboard(), EndOfTable()})));
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({EndOfTable()})));
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({})));
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({Bios(), EndOfTable(), SystemInformation(0x1B, 5)})));
    // Without an end-of-table structure the table's length ends the walk.
    EXPECT_EQ(5, WakeUpTypeOf(Raw({Bios(), SystemInformation(0x1B, 5)})));
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({Bios(), Baseboard()})));
}

TEST(SmbiosWakeUp, ATableCutShortAnywhereUpToTheTypeOneHasNone) {
    const Bytes full = Raw({Bios(), SystemInformation(0x1B, 5), Baseboard(), EndOfTable()});
    const std::size_t typeOneEnd = 8 + Bios().size() + SystemInformation(0x1B, 5).size();
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        const Bytes buffer(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
        // The Length field still saying the whole table: larger than the buffer.
        EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(buffer)) << cut;
        if (cut < 8) continue;
        // The Length field saying the cut: the structures themselves cut short.
        Bytes shortened = buffer;
        SetLength(shortened, static_cast<std::uint32_t>(cut - 8));
        EXPECT_EQ(cut < typeOneEnd ? kNoWakeUpType : 5, WakeUpTypeOf(shortened)) << cut;
    }
}

TEST(SmbiosWakeUp, MalformedStructuresEndTheWalk) {
    // A length under the 4-byte header before the type 1.
    Bytes tiny = Bios();
    tiny[1] = 3;
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({tiny, SystemInformation(0x1B, 5), EndOfTable()})));
    // A formatted area running past the table.
    Bytes longer = SystemInformation(0x1B, 5);
    longer[1] = 0xF0;
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({Bios(), longer})));
    // The type 1's strings never ending: its last byte is not the second NUL.
    Bytes open = SystemInformation(0x1B, 5);
    open.back() = 'x';
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(Raw({Bios(), open})));
    // A Length far beyond the buffer; bytes past a shorter Length are not the table's.
    Bytes huge = Raw({Bios(), SystemInformation(0x1B, 5), EndOfTable()});
    SetLength(huge, 0xFFFFFFFFu);
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(huge));
    Bytes trailing = Raw({Bios(), Baseboard()});
    const Bytes typeOne = SystemInformation(0x1B, 5);
    trailing.insert(trailing.end(), typeOne.begin(), typeOne.end());
    EXPECT_EQ(kNoWakeUpType, WakeUpTypeOf(trailing));
}

}  // namespace

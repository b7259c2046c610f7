#pragma once
// What started this PC, in the firmware's words: the wake-up type of the
// SMBIOS System Information structure (type 1). Platform-free.
#include <cstddef>
#include <cstdint>

constexpr int kNoWakeUpType = -1;

// The wake-up type (0-255) in a raw SMBIOS table as Windows hands it out:
// an 8-byte header (calling method, major and minor version, DMI revision,
// the table's length as a DWORD), then the structures. kNoWakeUpType where
// there is no type 1 before the end-of-table structure, where the type 1 is
// too short to hold the byte (SMBIOS 2.0), or where anything up to and
// including it is cut short or malformed. Reads nothing outside the buffer.
int SmbiosWakeUpType(const std::uint8_t* raw, std::size_t size);

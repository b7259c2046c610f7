#pragma once
// The firmware's wake-up type, from the raw SMBIOS table that Windows keeps
// (GetSystemFirmwareTable: Windows Vista, XP x64, Server 2003 SP1 and later,
// looked up when first asked). No administrator rights needed.
#include <cstdint>
#include <vector>

// The table as the system hands it out, with its 8-byte header; empty where
// the system has none or will not give it.
std::vector<std::uint8_t> ReadRawSmbios();

// SmbiosWakeUpType of that table; kNoWakeUpType where there is none.
int ReadFirmwareWakeUpType();

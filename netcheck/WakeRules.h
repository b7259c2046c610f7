#pragma once
// Whether this PC is ready to be woken, as far as Windows can tell: each
// card's wake settings, and Fast Startup. Platform-free.
#include <cstdint>
#include <vector>

#include "CheckAdapter.h"

// A registry value's number: REG_DWORD of exactly four bytes, or decimal
// digits stored as text (REG_SZ, REG_EXPAND_SZ), with or without their
// terminator. Not present for every other type, size or text.
RegNumber RegistryNumber(unsigned long type, const unsigned char* bytes, std::size_t size);

enum class WakeSetting {
    NotApplicable,           // not a network card: no text
    NotReported,
    On,
    Off,                     // *WakeOnMagicPacket 0
    OffPowerManagement,      // "Allow the computer to turn off this device" cleared
    OffNotAllowed,           // "Allow this device to wake the computer" cleared
    OffMagicPacketDisabled,  // waking by magic packet disabled
};

// Ethernet and Wi-Fi cards only; the Power Management tab first, then the
// keyword.
WakeSetting WakeSettingOf(const CheckAdapter& adapter);

// The column's language key; null for NotApplicable.
const wchar_t* WakeSettingKey(WakeSetting setting);

// HiberbootEnabled 1, and hibernation not switched off (HibernateEnabled 0).
bool IsFastStartupOn(const RegNumber& hiberbootEnabled, const RegNumber& hibernateEnabled);

// What stops this PC from waking, each with what to do; the firmware last,
// always: Windows cannot read it.
std::vector<Finding> ReadinessFindings(const std::vector<CheckAdapter>& adapters, bool fastStartup);

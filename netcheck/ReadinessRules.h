#pragma once
// Whether this PC is ready to be woken, as far as Windows can tell: each
// card's wake settings and its device's, the PC's power states, and Fast
// Startup. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

#include "WakeVerdicts.h"
#include "net/Adapter.h"
#include "net/DriverKeys.h"
#include "text/Finding.h"

enum class WakeSetting {
    NotApplicable,           // not a network card: no text
    NotReported,
    On,
    Off,                     // *WakeOnMagicPacket 0
    OffPowerManagement,      // "Allow the computer to turn off this device" cleared
    OffNotAllowed,           // "Allow this device to wake the computer" cleared
    OffMagicPacketDisabled,  // waking by magic packet disabled
};

// Cards only; the Power Management tab first, then the keyword (its stored
// value, else the driver's default).
WakeSetting WakeSettingOf(const Adapter& adapter);

// The column of one adapter: a virtual switch, bridge or team shows the
// setting of the card it sits on, where the settings that wake this PC live.
WakeSetting WakeSettingAt(const std::vector<Adapter>& adapters, std::size_t index);

// The card that can wake this PC: the first connected wired card with wake
// facts (HasWakeFacts); -1 where there is none.
int WakeCardOf(const std::vector<Adapter>& adapters);

// The column's language key; null for NotApplicable.
const wchar_t* WakeSettingKey(WakeSetting setting);

// Fast Startup is on where the policy requires it or the local setting has
// it (HiberbootEnabled 1 in either), and hibernation, which it needs, is not
// switched off (HibernateEnabled 0). A policy of 0 leaves the local setting
// in force.
bool IsFastStartupOn(const RegNumber& policy, const RegNumber& hiberbootEnabled, const RegNumber& hibernateEnabled);

// The three values Fast Startup depends on, as the registry held them.
struct FastStartupValues {
    RegNumber policy;            // the policy's HiberbootEnabled
    RegNumber hiberbootEnabled;  // the local setting
    RegNumber hibernateEnabled;
};
// Fast Startup exists from Windows 8 (6.2): before, a HiberbootEnabled left
// behind by an upgrade or a tweak tool means nothing. From 8 on, the
// kernel's Hiberboot byte (which folds in the policy and the hibernation
// file) must say so too, where the structure was read.
PcPower PcPowerOf(const PowerStates& states, const FastStartupValues& values);

// The report's word for what decided: "keys", "Hiberboot" or "before8".
const wchar_t* FastStartupByName(FastStartupBy by);

// What stops this PC from waking, each with what to do; then, for a card
// under a virtual switch, bridge or team, the MAC address that wakes this
// PC; the firmware last, always: Windows cannot read it.
std::vector<Finding> ReadinessFindings(const std::vector<Adapter>& adapters, const PcPower& power);

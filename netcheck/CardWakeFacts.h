#pragma once
// What a card's device, its bus and its driver say of waking, beyond the
// settings the column shows: how deep the device wakes the PC, whether it
// sits on USB, whether Windows' own driver runs it, and whether it also wakes
// on traffic other than a magic packet. Platform-free.
#include <string>

#include "net/Adapter.h"
#include "power/PowerFacts.h"

enum class DeviceWake {
    NotReported,  // no power data: decides nothing
    CannotTell,   // power data read, capabilities all zero: hardware without ACPI
    CannotWake,   // the device cannot signal wake, or wakes the PC from no state
    Deepest,      // wakes the PC from WakeValues::deepestWake and lighter states
};
DeviceWake DeviceWakeOf(const WakeValues& wake);

// The deepest of S1, S2 and S3 the PC has (its SYSTEM_POWER_STATE); S3
// where the states were not read; kPowerSystemUnspecified where it has none.
unsigned SleepStateOf(const PowerStates& states);

// The device's instance path begins with "USB\".
bool IsUsbCard(const WakeValues& wake);

// The driver in use is Windows' own ("Microsoft") on a card whose maker's
// driver has a setting for waking from shutdown.
bool RunsInboxDriverWithoutShutdownSetting(const WakeValues& wake);

// The setting by which the card also wakes the PC on other traffic, named
// as the Advanced tab names it; empty where it wakes on a magic packet
// only. Intel's WakeOnLink wakes on a link coming up; *WakeOnPattern on
// packets that match a pattern, unless the Power Management tab's "Only
// allow a magic packet to wake the computer" is ticked (PnPCapabilities
// NDIS_DEVICE_DISABLE_WAKE_ON_PATTERN_MATCH).
std::wstring OtherWakeSetting(const WakeValues& wake);

#pragma once
// What a network card's driver key and its device hold of waking, as the
// registry and the device's power data give it. Platform-free.
#include <cstdint>
#include <string>

#include "RegistryValue.h"

// One keyword of a driver key: the value it holds, else the default its
// driver falls back on; with the name the Advanced tab gives it.
struct DriverSetting {
    RegNumber value;
    bool fromDefault = false;  // the key holds no value: this is the INF file's default
    unsigned long type = 0;    // the registry type it was stored as; 0 where absent
    std::wstring name;         // ParamDesc, in the driver's language; empty where none
};

// What an adapter's driver key and its device hold of waking.
struct WakeValues {
    bool hasKey = false;         // a driver key names this adapter
    RegNumber characteristics;   // NCF_* bits: NCF_VIRTUAL for software miniports
    RegNumber pnpCapabilities;   // the Power Management tab, as bits
    DriverSetting magicPacket;   // the standardized *WakeOnMagicPacket
    DriverSetting modernStandby; // *ModernStandbyWoLMagicPacket
    DriverSetting arpOffload;    // *PMARPOffload
    DriverSetting shutdown;      // the vendor's keyword for waking from shutdown
    std::wstring shutdownKeyword;  // which one; empty where the driver has none
    unsigned deepestWake = 0;    // the device's PD_DeepestSystemWake; 0: cannot wake the PC where powerRead, else not reported
    bool powerRead = false;      // the device's power data was read
    std::uint32_t powerCapabilities = 0;  // its PD_Capabilities; all zero on hardware without ACPI
    DriverSetting wakeOnPattern;  // *WakeOnPattern
    DriverSetting wakeOnLink;     // Intel's WakeOnLink
    std::wstring provider;        // ProviderName: who wrote the driver in use ("Microsoft" for Windows' own)
    std::wstring instanceId;      // DeviceInstanceID, e.g. "PCI\\VEN_8086&DEV_15BC&...": its bus and maker
};

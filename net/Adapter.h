#pragma once
// One network adapter of this PC, as everything that looks at this PC's
// adapters sees it: the network check, the readiness check, Wake and wait and
// the listener. Plain data, platform-free. The survey fills in what the
// system reports; the rules in AdapterKinds decide what it is.
#include <cstdint>
#include <string>
#include <vector>

#include "MacAddress.h"

// A fact that an older system does not report stays unknown: never guessed.
enum class Known : unsigned char { Unknown, No, Yes };

enum class AdapterKind { Ethernet, WiFi, Tunnel, Other };

// A number as the registry held it: absent, unreadable and of a type that
// holds no number all read as not present.
struct RegNumber {
    bool present = false;
    std::uint32_t value = 0;
};

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

struct Adapter {
    // What the system reports.
    unsigned long index = 0;               // its interface index
    std::string name;                      // its GUID name, its driver key's NetCfgInstanceId
    std::wstring label;                    // friendly name, else description
    std::wstring description;              // the device's name, as Device Manager and the event log give it
    unsigned ifType = 0;                   // IF_TYPE_*
    unsigned medium = 0;                   // NDIS_PHYSICAL_MEDIUM; 0 where unspecified or unknown
    MacAddress mac{};
    unsigned macLength = 0;                // hardware address bytes reported
    Known hardware = Known::Unknown;       // HardwareInterface
    Known connector = Known::Unknown;      // ConnectorPresent
    Known endpoint = Known::Unknown;       // EndPointInterface: a device's own link, no network
    bool connected = false;
    bool takesPowerOn = false;             // a 255.255.255.255 datagram leaves by it
    std::vector<std::uint32_t> addresses;  // IPv4, host order; never 0.0.0.0
    std::vector<std::uint32_t> masks;      // the mask of each address

    // What the rules make of it.
    AdapterKind kind = AdapterKind::Other;
    bool isVirtual = false;  // the system or its driver says it is software, not a card
    int card = -1;           // a virtual switch, bridge, team or VLAN: the card it sits on

    WakeValues wake;  // its driver key's wake settings, where the readiness check read them
};

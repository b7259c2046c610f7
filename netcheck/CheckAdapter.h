#pragma once
// What the network check knows of one adapter, and the sentences it says.
// Plain data, platform-free.
#include <cstdint>
#include <string>
#include <vector>

// A number as the registry held it: absent, unreadable and of a type that
// holds no number all read as not present.
struct RegNumber {
    bool present = false;
    std::uint32_t value = 0;
};

// The wake settings in an adapter's driver key.
struct WakeValues {
    bool hasKey = false;      // a driver key names this adapter
    RegNumber magicPacket;    // the standardized keyword *WakeOnMagicPacket
    RegNumber pnpCapabilities;  // the Power Management tab, as bits
};

enum class AdapterKind { Ethernet, WiFi, Tunnel, Other };

// One adapter as the check sees it.
struct CheckAdapter {
    std::wstring label;                   // friendly name, else description
    AdapterKind kind = AdapterKind::Other;
    bool isVirtual = false;               // the system says it is not hardware
    bool connected = false;
    bool takesPowerOn = false;            // a 255.255.255.255 datagram leaves by it
    std::vector<std::uint32_t> addresses; // IPv4, host order; never 0.0.0.0
    std::vector<std::uint32_t> masks;     // the mask of each address
    std::string name;                     // its GUID name, its driver key's NetCfgInstanceId
    WakeValues wake;                      // its driver key's wake settings
};

// One sentence: a language key and the texts that fill its "%1", "%2".
struct Finding {
    const wchar_t* key;
    std::vector<std::wstring> args;
};

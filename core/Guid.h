#pragma once
// GUIDs as plain numbers and as the text the system writes them in, and the
// one GUID this program looks for by name. Platform-free.
#include <cstdint>
#include <string>

// The members of a GUID, in its own layout.
struct Guid {
    std::uint32_t data1;
    std::uint16_t data2, data3;
    std::uint8_t data4[8];
};

// The device class of network adapters (GUID_DEVCLASS_NET): SetupAPI lists
// their devices by it, and the registry keeps their driver keys under it.
constexpr Guid kNetworkClassGuid = {0x4d36e972, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

// "{4D36E972-E325-11CE-BFC1-08002BE10318}": upper case, as the registry and
// GetAdaptersInfo write a GUID.
std::string GuidText(const Guid& guid);

#pragma once
// What the system reports of one network adapter, whichever of its lists
// reports it: the address lists (GetAdaptersInfo, GetAdaptersAddresses) and,
// from Windows Vista on, the interface table. Addresses are numbers from
// where they are read. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

#include "MacAddress.h"
#include "core/Known.h"

struct AdapterFacts {
    unsigned long index = 0;               // its interface index
    std::string name;                      // its GUID name, its driver key's NetCfgInstanceId
    std::wstring friendlyName;             // the connection's name; Windows 2000 reports none
    std::wstring description;              // the device's name, as Device Manager and the event log give it
    unsigned ifType = 0;                   // IF_TYPE_*
    MacAddress mac{};                      // the first six bytes the system reports
    unsigned macLength = 0;                // hardware address bytes reported
    std::vector<std::uint32_t> addresses;  // IPv4, host order; never 0.0.0.0
    std::vector<std::uint32_t> masks;      // the mask of each address
    Known up = Known::Unknown;             // its operational status, where the list reports it
};

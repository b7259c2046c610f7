#pragma once
// One network adapter as this program reads it from the system's adapter
// list. Platform-free.
#include <string>
#include <vector>

#include "MacAddress.h"

struct AdapterRecord {
    MacAddress mac{};                   // the first six bytes the system reports
    std::vector<std::wstring> ipv4{};   // its IPv4 addresses as dotted text, in order
    std::vector<std::wstring> masks{};  // the subnet mask of each, as dotted text
    unsigned long index = 0;            // its interface index
    unsigned type = 0;                  // its interface type (MIB_IF_TYPE_*)
    unsigned macLength = 0;             // how many hardware address bytes it reports
    std::string name{};                 // its GUID name, also its driver key's NetCfgInstanceId
    std::wstring description{};
};

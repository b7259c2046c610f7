#pragma once
// One network adapter as this program reads it from the system's adapter
// list. Platform-free.
#include <string>
#include <vector>

#include "MacAddress.h"

struct AdapterRecord {
    MacAddress mac{};                // the first six bytes the system reports
    std::vector<std::wstring> ipv4;  // its IPv4 addresses as dotted text, in order
};

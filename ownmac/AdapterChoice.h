#pragma once
// Which network adapter carries this computer's own address. Platform-free.
#include <string>
#include <vector>

#include "net/AdapterRecord.h"

// The hardware address (twelve upper-case digits) of the adapter that lists
// `localAddress` among its IPv4 addresses. Every adapter and every address
// is looked at and the last match wins; empty when none matches or the local
// address is empty.
std::wstring ChooseAdapterMac(const std::vector<AdapterRecord>& adapters, const std::wstring& localAddress);

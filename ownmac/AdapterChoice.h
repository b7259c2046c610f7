#pragma once
// Which network adapter carries this computer's own address. Platform-free.
#include <string>
#include <vector>

#include "net/AdapterFacts.h"

// The hardware address (twelve upper-case digits) of the adapter that lists
// `localAddress` (dotted text) among its IPv4 addresses. Every adapter and
// every address is looked at and the last match wins; empty when none
// matches or the local address is empty or no IPv4 address.
std::wstring ChooseAdapterMac(const std::vector<AdapterFacts>& adapters, const std::wstring& localAddress);

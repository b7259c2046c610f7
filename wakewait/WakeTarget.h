#pragma once
// What the address field of "Wake and wait" holds, and which addresses are
// refused. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

#include "net/AdapterSubnets.h"

enum class TargetKind { Invalid, Address, Name };

// Four decimal parts, strictly (no "192.168.1"), or a host name of letters,
// digits, hyphens and dots; anything else is invalid.
TargetKind ParseTarget(const std::wstring& text, std::uint32_t& address);

enum class Refusal { None, OwnAddress, NotAPc };

// This PC's own addresses (and loopback) are refused, and so are 0.0.0.0,
// broadcast, multicast, and the network and broadcast address of each of
// this PC's subnets: none of them is another PC.
Refusal RefuseAddress(std::uint32_t address, const std::vector<Adapter>& adapters);

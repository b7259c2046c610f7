#pragma once
// The Wake-on-LAN magic packet and its destination. Platform-free.
#include <cstddef>
#include <cstdint>

#include "net/MagicPacketFormat.h"

// Six bytes 0xFF, then the address sixteen times.
MagicPacket BuildMagicPacket(const MacAddress& mac);

// The IPv4 address the packet goes to, host byte order: the resolved address
// with its nine lowest bits set.
std::uint32_t BroadcastDestination(std::uint32_t resolvedHostOrder);

#pragma once
// Where Power ON sends the magic packet. Platform-free.
#include <cstddef>
#include <cstdint>

#include "MagicPacketFormat.h"

// The IPv4 address the packet goes to, host byte order: the resolved address
// with its nine lowest bits set.
std::uint32_t BroadcastDestination(std::uint32_t resolvedHostOrder);

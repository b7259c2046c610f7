#pragma once
// The Wake-on-LAN magic packet and its destination. Platform-free.
#include <cstddef>
#include <cstdint>

#include "common/MagicPacketFormat.h"

constexpr std::uint16_t kWakePort = 40000;

// Decodes hexadecimal MAC text (ANSI) into at most `capacity` bytes and
// returns how many were written. Spaces, "-" and ":" are dropped wherever
// they stand, then one leading "0x"/"0X" is skipped; digits pair by position
// and decoding stops at the first character that is not a hex digit. A digit
// without a partner is dropped. Text past the first 127 characters that are
// kept is ignored.
int ParseMacText(std::uint8_t* out, std::size_t capacity, const char* text);

// Six bytes 0xFF, then the address sixteen times.
MagicPacket BuildMagicPacket(const MacAddress& mac);

// The IPv4 address the packet goes to, host byte order: the resolved address
// with its nine lowest bits set.
std::uint32_t BroadcastDestination(std::uint32_t resolvedHostOrder);

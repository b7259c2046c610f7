#pragma once
// Whether a received datagram carries a Wake-on-LAN magic packet. Platform-free.
#include <cstddef>
#include <cstdint>

#include "net/MagicPacketFormat.h"

struct MagicPacketMatch {
    MacAddress mac{};
    std::size_t passwordLength = 0;  // 0, 4 or 6 bytes after the sixteen copies
};

// Six 0xFF bytes, then sixteen copies of one six-byte address, ending the
// datagram or followed by a password of 4 or 6 bytes. Anything may stand
// before it: some senders put a header of their own first. False for
// everything else, of any size.
bool FindMagicPacket(const std::uint8_t* data, std::size_t size, MagicPacketMatch& match);

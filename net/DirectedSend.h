#pragma once
// A magic packet sent out of one adapter: from a socket bound to the
// adapter's own address, to the directed broadcast of its subnet. Unlike
// 255.255.255.255, which leaves by the one adapter with the best route, this
// reaches the network the adapter is on.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "MagicPacketFormat.h"
#include "SendResult.h"

// Within a started socket session. Sent when the packet went to every port,
// else the Winsock error of the first call that failed (nothing more is sent
// from that address). Binds to port 0: a fixed source port may be taken.
SendResult SendDirected(const MagicPacket& packet, std::uint32_t from, std::uint32_t to,
                 std::initializer_list<std::uint16_t> ports);

// The same for any datagram (a packet with a password, one port chosen).
SendResult SendDirected(const std::vector<std::uint8_t>& datagram, std::uint32_t from, std::uint32_t to,
                        const std::vector<std::uint16_t>& ports);

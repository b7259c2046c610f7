#pragma once
// A magic packet sent out of one adapter: from a socket bound to the
// adapter's own address, to the directed broadcast of its subnet. Unlike
// 255.255.255.255, which leaves by the one adapter with the best route, this
// reaches the network the adapter is on.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "MagicPacketFormat.h"

// Within a started socket session. 0 when the packet went to every port,
// else the Winsock error of the first call that failed (nothing more is sent
// from that address). Binds to port 0: a fixed source port may be taken.
int SendDirected(const MagicPacket& packet, std::uint32_t from, std::uint32_t to,
                 std::initializer_list<std::uint16_t> ports);

// "10049 The requested address is not valid in its context." where the
// system has a text for the error, else the number alone.
std::wstring SocketErrorText(int error);

#pragma once
// The neighbour table of this PC, for watching the PC on its own subnet: a
// firewall drops pings, never ARP. ResolveIpNetEntry2 (Windows Vista and
// later) flushes the address's entry and asks the network anew; SendARP is
// not used, since it answers from the cache, which cannot tell a sleeping
// PC from a woken one. Looked up at run time: nothing newer than Windows
// 2000 is imported.
#include <cstdint>

#include "ProbeFacts.h"

// Whether this system has the neighbour probe.
bool HasNeighbourProbe();

// ARP for `address` (host order) through interface `ifIndex`.
Neighbour ResolveNeighbour(std::uint32_t address, unsigned long ifIndex, MacAddress& mac);

// Right after an echo reply from `address`: the MAC address of its entry in
// the neighbour table, where that entry's state says an answer came (Vista
// and later), or dynamic (the ARP cache of older systems).
bool ReadNeighbourMac(std::uint32_t address, MacAddress& mac);

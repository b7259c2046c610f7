#pragma once
// What each adapter of this PC is, from what the system reports of it:
// a card, a software adapter, a VPN or tunnel, or a virtual switch, bridge
// or team on a card. Platform-free; built for the shapes real Windows
// reports, not only for what Wine reports.
#include <vector>

#include "Adapter.h"

// From the interface type (IF_TYPE_*), the length of the hardware address
// and the physical medium (0 where unknown).
AdapterKind KindOfAdapter(unsigned ifType, unsigned macLength, unsigned medium = 0);

// A network card that may carry no IPv4 of its own: Ethernet or Wi-Fi,
// hardware with a connector where the system says so, and neither Bluetooth
// nor mobile broadband.
bool IsCardShape(const Adapter& adapter);

// Sets kind, isVirtual and card of every adapter. A virtual switch, bridge
// or team takes TCP/IPv4 off its card and carries the card's MAC address (a
// bridge: with the locally administered bit set): where exactly two
// adapters share a MAC address so, the Ethernet one with IPv4 sits on the
// other when that is a card without IPv4 that is connected (or the upper one
// is software, whose card may be unplugged). It is then connected only while
// its card is.
void ClassifyAdapters(std::vector<Adapter>& adapters);

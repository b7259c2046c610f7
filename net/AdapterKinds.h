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

// The one rule of a network card, which may carry no IPv4 of its own: a
// present Ethernet or Wi-Fi interface (by its IF_TYPE), neither Bluetooth
// nor mobile broadband; hardware with a connector where the system says so
// (Vista and later), no endpoint's own link (a phone's or a camera's), and
// a driver that does not declare itself virtual (NCF_VIRTUAL: loopback,
// VPN and other software miniports, whatever flags they claim).
bool IsCard(const Adapter& adapter);

// A card whose driver key holds wake facts: *WakeOnMagicPacket or a
// vendor's shutdown keyword, stored or as the driver's default, or the
// Power Management tab's own value. A phone's tether or a driver that keeps
// no standard settings has none.
bool HasWakeFacts(const Adapter& adapter);

// Sets kind, isVirtual and card of every adapter. A virtual switch, bridge,
// team or VLAN takes TCP/IPv4 off its card and carries the card's MAC
// address (a bridge: with the locally administered bit set): every Ethernet
// adapter with IPv4 that carries a card's MAC address so sits on that card,
// when the card has no IPv4 and is connected (or the upper one is software,
// whose card may be unplugged), however many sit on it. It is then
// connected only while its card is.
void ClassifyAdapters(std::vector<Adapter>& adapters);

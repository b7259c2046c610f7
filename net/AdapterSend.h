#pragma once
// The send through every adapter: the magic packet out of each connected
// adapter to the directed broadcast of its own subnet, on the wake port and
// the discard port, all in one session of the socket layer. Nothing else is
// sent: no limited broadcast, no adapter that is not connected.
#include <vector>

#include "AdapterSubnets.h"
#include "MagicPacketFormat.h"
#include "SendResult.h"

// One result a row; a row that is no target is not sent to. A failure on one row does not stop the others.
std::vector<SendResult> SendThroughEveryAdapter(const MagicPacket& packet, const std::vector<Adapter>& adapters,
                                                const std::vector<AdapterSubnet>& rows);

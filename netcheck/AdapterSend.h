#pragma once
// The send through every adapter: the magic packet out of each connected
// adapter to the directed broadcast of its own subnet, on the wake port and
// the discard port, all in one session of the socket layer. Nothing else is
// sent: no limited broadcast, no adapter that is not connected.
#include <vector>

#include "CheckRules.h"
#include "net/MagicPacketFormat.h"

constexpr int kNotSentTo = -1;

// One result a row: 0 when sent, the Winsock error when not, kNotSentTo for
// a row that is no target. A failure on one row does not stop the others.
std::vector<int> SendThroughEveryAdapter(const MagicPacket& packet, const std::vector<Adapter>& adapters,
                                         const std::vector<CheckRow>& rows);

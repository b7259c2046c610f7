#pragma once
// What "Wake and wait" and the command line send: Power ON's one packet, in
// its own sequence of calls; then, for a PC on one of this PC's subnets,
// that subnet's own broadcast from the adapter on it (so that a VPN taking
// the limited broadcast cannot defeat the wait); then, when asked, the send
// through every adapter.
#include <string>
#include <vector>

#include "net/MagicPacketFormat.h"
#include "net/SendResult.h"
#include "net/AdapterSubnets.h"

struct WakeSendResult {
    bool powerOn = false;           // Power ON's sender sent its packet
    std::wstring failure;           // its message when not
    std::uint32_t sentTo = 0;       // where a destination's packet went
    SendResult subnet;              // the subnet's own broadcast, when one was due
    std::vector<SendResult> every;  // one a row (AdapterSend), empty when not asked

    bool AnySent() const;
};

// What a saved PC adds: one port for every packet (0: Power ON's, and 40000
// and 9 for the subnet's), its password, and where its packet goes instead
// of the broadcasts (looked up at the send; 40000 and 9 without a port, or
// 40000 alone with `onePort`).
struct WakeExtras {
    std::uint16_t port = 0;
    WakePassword password;
    std::wstring destination;
    bool onePort = false;
};

// `subnetRow`: the row of the PC's subnet, or -1.
WakeSendResult SendWakePackets(const MacAddress& pc, const std::vector<Adapter>& adapters,
                               const std::vector<AdapterSubnet>& rows, int subnetRow, bool everyAdapter,
                               const WakeExtras& extras = WakeExtras());

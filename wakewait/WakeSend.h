#pragma once
// What "Wake and wait" and the command line send: Power ON's one packet, in
// its own sequence of calls; then, for a PC on one of this PC's subnets,
// that subnet's own broadcast from the adapter on it (so that a VPN taking
// the limited broadcast cannot defeat the wait); then, when asked, the send
// through every adapter.
#include <string>
#include <vector>

#include "netcheck/CheckRules.h"

struct WakeSendResult {
    int powerOn = -1;        // Power ON's sender: 0 when sent
    std::wstring failure;    // its message when not
    int subnet = -1;         // the subnet's broadcast: 0 when sent, a Winsock error, -1 when none was due
    std::vector<int> every;  // one result a row (AdapterSend), empty when not asked

    bool AnySent() const;
};

// `macText`: twelve digits; `subnetRow`: the row of the PC's subnet, or -1.
WakeSendResult SendWakePackets(const std::wstring& macText, const std::vector<Adapter>& adapters,
                               const std::vector<CheckRow>& rows, int subnetRow, bool everyAdapter);

#pragma once
// One network adapter of this PC, as everything that looks at this PC's
// adapters sees it: the network check, the readiness check, Wake and wait and
// the listener. Plain data, platform-free. The survey fills in what the
// system reports; the rules in AdapterKinds decide what it is.
#include <string>

#include "AdapterFacts.h"
#include "core/WakeValues.h"

enum class AdapterKind { Ethernet, WiFi, Tunnel, Other };

struct Adapter : AdapterFacts {
    // What the system reports besides.
    std::wstring label;                    // friendly name, else description
    unsigned medium = 0;                   // NDIS_PHYSICAL_MEDIUM; 0 where unspecified or unknown
    Known hardware = Known::Unknown;       // HardwareInterface
    Known connector = Known::Unknown;      // ConnectorPresent
    Known endpoint = Known::Unknown;       // EndPointInterface: a device's own link, no network
    bool connected = false;
    bool takesPowerOn = false;             // a 255.255.255.255 datagram leaves by it

    // What the rules make of it.
    AdapterKind kind = AdapterKind::Other;
    bool isVirtual = false;  // the system or its driver says it is software, not a card
    int card = -1;           // a virtual switch, bridge, team or VLAN: the card it sits on

    WakeValues wake;  // its driver key's wake settings, where the readiness check read them
};

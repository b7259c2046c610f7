#pragma once
// Everything the network check read of this PC, as it read it: what the
// report passes on to someone who helps. Plain data, platform-free.
#include <vector>

#include "ReadinessRules.h"
#include "net/Adapter.h"
#include "net/DriverKeys.h"
#include "power/PowerFacts.h"

struct CheckFacts {
    std::vector<Adapter> adapters;  // surveyed, with their keys' values
    std::vector<DriverKey> keys;
    std::vector<DevicePower> devices;
    PowerStates states;
    FastStartupValues fastStartup;
    bool macComplete = false;  // the main window holds a whole MAC address
};

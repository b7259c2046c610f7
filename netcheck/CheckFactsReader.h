#pragma once
// Everything the network check reads of this PC, read now: the adapters with
// their driver keys, the devices' power data, the power states and Fast
// Startup's values. Reads only.
#include "CheckFacts.h"

CheckFacts ReadCheckFacts(bool macComplete);

#pragma once
// This PC's wake settings, read from the registry where Windows keeps them
// for every user to read: each card's driver key, and Fast Startup. Reads
// only, with the least access; a key or value that is missing, or that this
// user may not read, is simply not there.
#include <vector>

#include "CheckAdapter.h"

// Fills in each adapter's `wake` from the driver key whose NetCfgInstanceId
// is the adapter's name.
void ReadWakeValues(std::vector<CheckAdapter>& adapters);

bool ReadFastStartupOn();

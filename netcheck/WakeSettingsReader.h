#pragma once
// This PC's wake settings, read from the registry where Windows keeps them
// for every user to read: each card's driver key, and Fast Startup. Reads
// only, with the least access; a key or value that is missing, or that this
// user may not read, is simply not there.
#include <vector>

#include "ReadinessRules.h"

// Every network driver key that names its adapter (NetCfgInstanceId).
std::vector<DriverKey> ReadDriverKeys();

bool ReadFastStartupOn();

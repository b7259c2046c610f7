#pragma once
// This PC's wake settings, read where Windows keeps them for every user to
// read: each card's driver key (with its Ndi defaults) and its device's
// power data, the PC's power states, hibernation and Fast Startup. Reads
// only, with the least access; a key or value that is missing, or that this
// user may not read, is simply not there. Each library it needs is loaded
// when the check first asks.
#include <vector>

#include "ReadinessRules.h"

// Every network driver key that names its adapter (NetCfgInstanceId), with
// its device's deepest wake where the device reports one; the devices' power
// data also in `devices` where asked for.
std::vector<DriverKey> ReadDriverKeys(std::vector<DevicePower>* devices = nullptr);

FastStartupValues ReadFastStartupValues();

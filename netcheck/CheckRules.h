#pragma once
// The findings of the network check on the sending PC: what its rows of
// adapters and subnets mean. Platform-free.
#include <vector>

#include "net/AdapterSubnets.h"
#include "text/Finding.h"

// What the user should know, most important first. `macComplete`: the main
// window holds a whole MAC address, so a send through every adapter can go.
std::vector<Finding> CheckFindings(const std::vector<Adapter>& adapters, const std::vector<AdapterSubnet>& rows,
                                   bool macComplete);

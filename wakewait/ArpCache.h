#pragma once
// This PC's ARP cache (IP Helper's GetIpNetTable, Windows 2000 and later):
// where it last saw each hardware address.
#include <vector>

#include "ProbeFacts.h"

std::vector<ArpEntry> ReadArpCache();

#pragma once
// What the neighbour table's answers mean for the wait: which result of an
// ARP request is an answer, which is none and which a failure of that round
// only, and which entry states say that the address answered. Platform-free:
// the numbers are Windows' own.
#include "ProbeFacts.h"

// ResolveIpNetEntry2's result and the address length it filled in. A
// success without a 6-byte address is no answer; the network or host not
// reached is none either; any other error fails this round only.
Neighbour NeighbourOfResolve(unsigned long result, unsigned long addressLength);

// An NL_NEIGHBOR_STATE that an answer left behind: Reachable, and also
// Stale, Delay and Probe, which the entry passes through soon after (a
// Permanent entry was typed in, and tells nothing).
bool IsAnsweredState(int state);

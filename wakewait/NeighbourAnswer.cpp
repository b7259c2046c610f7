#include "NeighbourAnswer.h"

namespace {

constexpr unsigned long kNoError = 0, kBadNetName = 67, kNetworkUnreachable = 1231, kHostUnreachable = 1232;
constexpr int kProbe = 2, kDelay = 3, kStale = 4, kReachable = 5;

}  // namespace

Neighbour NeighbourOfResolve(unsigned long result, unsigned long addressLength) {
    if (result == kNoError) return addressLength == kMacBytes ? Neighbour::Answered : Neighbour::NoAnswer;
    if (result == kBadNetName || result == kNetworkUnreachable || result == kHostUnreachable) return Neighbour::NoAnswer;
    return Neighbour::Unavailable;
}

bool IsAnsweredState(int state) {
    return state == kProbe || state == kDelay || state == kStale || state == kReachable;
}

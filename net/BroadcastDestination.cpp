#include "BroadcastDestination.h"

std::uint32_t BroadcastDestination(std::uint32_t resolvedHostOrder) {
    return resolvedHostOrder | 0x1FF;
}

#pragma once
// What the probes of the PC found: this PC's ARP cache, the echo reply, the
// neighbour probe, one round of them, and whose MAC address answered.
// Platform-free.
#include <cstdint>
#include <vector>

#include "net/MacAddress.h"

// One entry of this PC's ARP cache.
struct ArpEntry {
    MacAddress mac{};
    unsigned macLength = 0;
    std::uint32_t address = 0;  // host order
    unsigned type = 0;          // 2 marks an invalid entry
};

// The address the cache last holds for the MAC address; false when none.
bool FindAddressForMac(const std::vector<ArpEntry>& cache, const MacAddress& mac, std::uint32_t& address);

// An echo reply counts only with status IP_SUCCESS from the PC itself: an
// "unreachable" reply comes from this PC's own address.
bool IsAnswerFrom(unsigned long status, std::uint32_t from, std::uint32_t target);

// What the neighbour probe (ARP, Windows Vista and later) said of the PC's
// address in one round.
enum class Neighbour : unsigned char {
    NotAsked,     // not on this PC's subnet, or no neighbour probe on this system
    Answered,     // with the MAC address that answered
    NoAnswer,
    Unavailable,  // failed otherwise: this round has no ARP; the next asks again
};

// One round of probing the PC: the neighbour probe where it applies, then
// the ping.
struct ProbeRound {
    std::uint32_t startedAt = 0;  // the tick count when the round began
    bool pinged = false;          // an echo reply with IP_SUCCESS from the PC's address
    Neighbour arp = Neighbour::NotAsked;
    bool hasMac = false;          // the MAC that answered: ARP's, or the neighbour entry after the echo reply
    MacAddress mac{};
};

// The typed MAC address, or the same but for the locally administered bit:
// a Network Bridge answers for its card so.
bool IsThePc(const MacAddress& answered, const MacAddress& pc);

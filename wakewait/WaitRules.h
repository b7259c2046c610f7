#pragma once
// The rules of "Wake and wait": what the address field holds, which
// addresses are refused, where this PC's ARP cache has seen the MAC address,
// and the wait itself, from the first probe to the verdict. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

#include "net/MacAddress.h"
#include "netcheck/CheckRules.h"

enum class TargetKind { Invalid, Address, Name };

// Four decimal parts, strictly (no "192.168.1"), or a host name of letters,
// digits, hyphens and dots; anything else is invalid.
TargetKind ParseTarget(const std::wstring& text, std::uint32_t& address);

enum class Refusal { None, OwnAddress, NotAPc };

// This PC's own addresses (and loopback) are refused, and so are 0.0.0.0,
// broadcast, multicast, and the network and broadcast address of each of
// this PC's subnets: none of them is another PC.
Refusal RefuseAddress(std::uint32_t address, const std::vector<Adapter>& adapters);

// The row of the connected subnet of this PC that holds `address`; -1 when
// none does (the PC is behind a router).
int LocalRowFor(std::uint32_t address, const std::vector<Adapter>& adapters, const std::vector<CheckRow>& rows);

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
    Unavailable,  // failed otherwise: not asked again during this wait
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

enum class WaitState { Idle, Checking, Waiting, AlreadyOn, Answered, TimedOut, Stopped, NotWatched, Failed };

// The wait, driven by the rounds' results and a clock in milliseconds that
// wraps as Windows' tick count does.
//
// Whether the PC is on already is decided by ping alone: a sleeping PC's
// card may answer ARP for it. During the wait an echo reply ends it, and so
// does an ARP answer where ARP got none before the packet went. An answer
// from a MAC address that is not the PC's is another device at that
// address: it never counts, and it never stops the packet.
class WaitMachine {
public:
    static constexpr std::uint32_t kWaitMs = 180000;

    // `limitMs`: how long the wait watches after the send.
    void Start(const MacAddress& pc, std::uint32_t limitMs = kWaitMs);
    // The round before anything is sent: true when the packet must go now.
    bool FirstProbe(const ProbeRound& round);
    // The packet went (or, `watched` false, went to a name that did not resolve).
    void Sent(std::uint32_t nowMs, bool watched);
    // Nothing could be sent.
    void SendFailed();
    // A round during the wait; false once the wait is over. An answer counts
    // from the send to the start of the round that got it.
    bool Probe(const ProbeRound& round, std::uint32_t nowMs);
    void Stop(std::uint32_t nowMs);

    WaitState State() const { return m_state; }
    bool IsRunning() const { return m_state == WaitState::Checking || m_state == WaitState::Waiting; }
    std::uint32_t ElapsedSeconds(std::uint32_t nowMs) const;
    std::uint32_t FinalSeconds() const { return m_finalMs / 1000; }
    // Another device answers at the PC's address; its MAC in `mac`.
    bool OtherDevice(MacAddress& mac) const;
    const MacAddress& Pc() const { return m_pc; }
    // The language key of the verdict; null while running or idle.
    const wchar_t* VerdictKey() const;

private:
    bool IsOther(const ProbeRound& round);

    WaitState m_state = WaitState::Idle;
    MacAddress m_pc{};
    std::uint32_t m_limitMs = kWaitMs;
    std::uint32_t m_sentAt = 0;
    std::uint32_t m_finalMs = 0;
    bool m_arpBefore = false;    // the PC's address answered ARP before the packet went
    bool m_byArpOnly = false;    // it answered ARP, never ping
    bool m_macKnown = false;     // the answer's MAC was read, and was the PC's
    bool m_hasOther = false;
    MacAddress m_other{};
};

// The arguments of the wait's texts, for the dialog and the command line
// alike: %1 the PC (its address once it answered, else as `shown`), %2 the
// seconds, %3 its MAC address, %4 the MAC address of another device that
// answers there.
std::vector<std::wstring> WaitTextArgs(const WaitMachine& wait, const std::wstring& shown, std::uint32_t address,
                                       std::uint32_t seconds);

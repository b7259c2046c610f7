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

enum class WaitState { Idle, Checking, Waiting, AlreadyOn, Answered, TimedOut, Stopped, NotWatched, Failed };

// The wait, driven by the probes' results and a clock in milliseconds.
class WaitMachine {
public:
    static constexpr unsigned long kWaitMs = 180000;

    void Start();
    // The probe before anything is sent: true when the packet must go now.
    bool FirstProbe(bool answered);
    // The packet went (or, `watched` false, went to a name that did not resolve).
    void Sent(unsigned long nowMs, bool watched);
    // Nothing could be sent.
    void SendFailed();
    // A probe during the wait; false once the wait is over.
    bool Probe(bool answered, unsigned long nowMs);
    void Stop(unsigned long nowMs);

    WaitState State() const { return m_state; }
    bool IsRunning() const { return m_state == WaitState::Checking || m_state == WaitState::Waiting; }
    unsigned long ElapsedSeconds(unsigned long nowMs) const;
    unsigned long FinalSeconds() const { return m_finalMs / 1000; }
    // The language key of the verdict; null while running or idle.
    const wchar_t* VerdictKey() const;

private:
    WaitState m_state = WaitState::Idle;
    unsigned long m_sentAt = 0;
    unsigned long m_finalMs = 0;
};

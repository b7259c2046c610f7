#pragma once
// The wait itself, from the first probe to the verdict. Platform-free.
#include <cstdint>

#include "ProbeFacts.h"
#include "WaitLength.h"

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
    static constexpr std::uint32_t kWaitMs = kWaitSeconds * 1000;

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

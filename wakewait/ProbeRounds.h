#pragma once
// The rounds of probing that watch for the PC, as the worker thread runs
// them: the neighbour probe where it applies, then the ping; a round every
// second, or as soon as the one before returns when it took longer (on
// Windows a probe of an absent address on this PC's subnet blocks about
// three seconds, whatever its timeout). Once stopped, the probe under way
// is finished and no other is started. Platform-free: the system's probes
// come in through one small interface.
#include <cstdint>

#include "ProbeFacts.h"

class ProbeSystem {
public:
    virtual std::uint32_t Now() = 0;
    // Resolves `address` anew through interface `ifIndex` (ARP).
    virtual Neighbour Resolve(std::uint32_t address, unsigned long ifIndex, MacAddress& mac) = 0;
    // One echo request: true for an answer from `address` itself.
    virtual bool Ping(std::uint32_t address) = 0;
    // The MAC address the neighbour table holds for `address` right after
    // it answered; false when none can be read.
    virtual bool AnsweringMac(std::uint32_t address, MacAddress& mac) = 0;
    virtual bool Stopped() = 0;
    // Waits `ms` or until stopped; true when stopped.
    virtual bool WaitStopped(std::uint32_t ms) = 0;

protected:
    ~ProbeSystem() = default;
};

class ProbeRounds {
public:
    static constexpr std::uint32_t kIntervalMs = 1000;

    // `ifIndex`: the interface of this PC's subnet that holds `target`; 0
    // where there is none or the system has no neighbour probe.
    ProbeRounds(ProbeSystem& system, std::uint32_t target, unsigned long ifIndex)
        : m_system(system), m_target(target), m_ifIndex(ifIndex) {}

    // One round; false when stopped before it was complete (nothing to report).
    bool Run(ProbeRound& round);
    // Until the next round may begin; false when stopped.
    bool WaitForNext();

private:
    ProbeSystem& m_system;
    std::uint32_t m_target;
    unsigned long m_ifIndex;
    std::uint32_t m_lastStart = 0;
};

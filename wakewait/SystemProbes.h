#pragma once
// The system's probes for ProbeRounds: the tick count, the neighbour probe,
// the ping and the neighbour table, and the worker's stop event.
#include <windows.h>

#include "EchoProbe.h"
#include "NeighbourProbe.h"
#include "ProbeRounds.h"

class SystemProbes final : public ProbeSystem {
public:
    explicit SystemProbes(HANDLE stop) : m_stop(stop) {}
    std::uint32_t Now() override { return ::GetTickCount(); }
    Neighbour Resolve(std::uint32_t address, unsigned long ifIndex, MacAddress& mac) override {
        return ResolveNeighbour(address, ifIndex, mac);
    }
    bool Ping(std::uint32_t address) override { return m_echo.Answers(address); }
    bool AnsweringMac(std::uint32_t address, MacAddress& mac) override { return ReadNeighbourMac(address, mac); }
    bool Stopped() override { return WaitStopped(0); }
    bool WaitStopped(std::uint32_t ms) override { return ::WaitForSingleObject(m_stop, ms) == WAIT_OBJECT_0; }

private:
    HANDLE m_stop;
    EchoProbe m_echo;
};

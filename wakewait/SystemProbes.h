#pragma once
// The system's probes for ProbeRounds: the tick count, the neighbour probe,
// the ping and the neighbour table, and a stop event (none: never stopped,
// for a wait that runs to its end on its own thread, as the command line's
// does).
#include <windows.h>

#include "EchoProbe.h"
#include "NeighbourProbe.h"
#include "ProbeRounds.h"

class SystemProbes final : public ProbeSystem {
public:
    explicit SystemProbes(HANDLE stop = nullptr) : m_stop(stop) {}
    std::uint32_t Now() override { return ::GetTickCount(); }
    Neighbour Resolve(std::uint32_t address, unsigned long ifIndex, MacAddress& mac) override {
        return ResolveNeighbour(address, ifIndex, mac);
    }
    bool Ping(std::uint32_t address) override { return m_echo.Answers(address); }
    bool AnsweringMac(std::uint32_t address, MacAddress& mac) override { return ReadNeighbourMac(address, mac); }
    bool Stopped() override { return WaitStopped(0); }
    bool WaitStopped(std::uint32_t ms) override {
        if (m_stop) return ::WaitForSingleObject(m_stop, ms) == WAIT_OBJECT_0;
        ::Sleep(ms);
        return false;
    }

private:
    HANDLE m_stop;
    EchoProbe m_echo;
};

#pragma once
// The system's own ARP and neighbour calls behind the sweep's seam. What
// Windows 2000 lacks (ResolveIpNetEntry2, GetIpNetTable2) is looked up at
// run time. The datagrams that make the system resolve an address go from
// one socket of the scan's own, in a socket session of its own.
#include <windows.h>

#include "ArpSweep.h"
#include "framework/CCriticalSection.h"
#include "net/CUdpSocket.h"
#include "net/WinsockStartup.h"

class SystemNeighbours final : public NeighbourSystem {
public:
    // `stop`, borrowed, ends every wait once signalled; may be null.
    explicit SystemNeighbours(HANDLE stop);
    SystemNeighbours(const SystemNeighbours&) = delete;
    SystemNeighbours& operator=(const SystemNeighbours&) = delete;

    bool HasResolve() override;
    Neighbour Resolve(std::uint32_t address, unsigned long ifIndex, MacAddress& mac) override;
    unsigned long SendArp(std::uint32_t address, MacAddress& mac, unsigned& macLength) override;
    void Provoke(std::uint32_t address) override;
    bool ReadTable(NeighbourTableKind& kind, std::vector<NeighbourEntry>& table) override;
    unsigned long Ticks() override;
    bool Pause(unsigned long ms) override;
    bool Stopped() override;
    void RunBounded(std::size_t count, std::size_t inFlight, CallbackRef<void(std::size_t)> task) override;
    void Exclusive(CallbackRef<void()> step) override;

private:
    HANDLE m_hStop;
    WinsockStartup m_winsock;
    SocketSession m_session;  // before the socket, so that it ends after it
    CUdpSocket m_socket;  // the current wave's
    std::size_t m_sent = 0;
    CCriticalSection m_lock;
};

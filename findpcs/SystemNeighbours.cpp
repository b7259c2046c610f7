// MIB_IPNET_ROW2 is declared for Windows Vista and later only; its functions
// are looked up at run time.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include "SystemNeighbours.h"

#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <netioapi.h>

#include <vector>

#include "framework/CHandle.h"
#include "framework/SystemLibrary.h"
#include "net/MibTable.h"
#include "wakewait/ArpCache.h"
#include "wakewait/NeighbourProbe.h"

namespace {

using GetTableFn = DWORD(WINAPI*)(ADDRESS_FAMILY, PMIB_IPNET_TABLE2*);

constexpr u_short kDiscardPort = 9;

bool ReadTable2(std::vector<NeighbourEntry>& table) {
    static const auto getTable = FindSystemProc<GetTableFn>(L"iphlpapi.dll", "GetIpNetTable2");
    if (!getTable || !CanFreeMibTables()) return false;
    PMIB_IPNET_TABLE2 read = nullptr;
    if (getTable(AF_INET, &read) != NO_ERROR || !read) return false;
    const CMibTable<MIB_IPNET_TABLE2> rows(read);
    for (ULONG i = 0; i < rows.Get()->NumEntries; ++i) {
        const MIB_IPNET_ROW2& row = rows.Get()->Table[i];
        if (row.Address.si_family != AF_INET) continue;
        const unsigned length = row.PhysicalAddressLength;
        const NeighbourEntry e{::ntohl(row.Address.Ipv4.sin_addr.s_addr),
                               MacFromBytes(row.PhysicalAddress, length < kMacBytes ? length : kMacBytes), length,
                               static_cast<unsigned>(row.State), row.InterfaceIndex};
        table.push_back(e);
    }
    return true;
}

struct Pool {
    const CallbackRef<void(std::size_t)>* task;
    std::size_t count;
    volatile LONG next;
    HANDLE stop;
};

DWORD WINAPI PoolThread(LPVOID param) {
    Pool& pool = *static_cast<Pool*>(param);
    for (;;) {
        if (pool.stop && ::WaitForSingleObject(pool.stop, 0) == WAIT_OBJECT_0) break;
        const std::size_t i = static_cast<std::size_t>(::InterlockedIncrement(&pool.next) - 1);
        if (i >= pool.count) break;
        (*pool.task)(i);
    }
    return 0;
}

}  // namespace

SystemNeighbours::SystemNeighbours(HANDLE stop) : m_hStop(stop), m_session(m_winsock, kWinsock2) {}

bool SystemNeighbours::HasResolve() { return HasNeighbourProbe(); }

Neighbour SystemNeighbours::Resolve(std::uint32_t address, unsigned long ifIndex, MacAddress& mac) {
    return ResolveNeighbour(address, ifIndex, mac);
}

unsigned long SystemNeighbours::SendArp(std::uint32_t address, MacAddress& mac, unsigned& macLength) {
    ULONG bytes[2] = {};
    ULONG length = sizeof bytes;
    const DWORD result = ::SendARP(::htonl(address), 0, bytes, &length);
    macLength = static_cast<unsigned>(length);
    if (result == NO_ERROR) mac = MacFromBytes(reinterpret_cast<const std::uint8_t*>(bytes), length < kMacBytes ? length : kMacBytes);
    return result;
}

// A datagram to an address that does not answer ARP waits in the system's
// queue, on its socket's send buffer, until its ARP gives up some seconds
// later; a socket that sent a whole /24 so would block in sendto. A socket
// of its own for each wave keeps every send immediate.
void SystemNeighbours::Provoke(std::uint32_t address) {
    if (m_sent++ % kProvokeWave == 0 && m_session.Started())
        m_socket = CUdpSocket(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!m_socket.IsOpen()) return;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = ::htons(kDiscardPort);
    to.sin_addr.s_addr = ::htonl(address);
    const char nothing = 0;
    ::sendto(m_socket.Get(), &nothing, 1, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

bool SystemNeighbours::ReadTable(NeighbourTableKind& kind, std::vector<NeighbourEntry>& table) {
    table.clear();
    kind = NeighbourTableKind::Table2;
    if (ReadTable2(table)) return true;
    kind = NeighbourTableKind::Table;
    for (const ArpEntry& a : ReadArpCache()) {
        const NeighbourEntry e{a.address, a.mac, a.macLength, a.type, 0};
        table.push_back(e);
    }
    return true;
}

unsigned long SystemNeighbours::Ticks() { return ::GetTickCount(); }

bool SystemNeighbours::Pause(unsigned long ms) {
    if (!m_hStop) {
        ::Sleep(ms);
        return true;
    }
    return ::WaitForSingleObject(m_hStop, ms) == WAIT_TIMEOUT;
}

bool SystemNeighbours::Stopped() { return m_hStop && ::WaitForSingleObject(m_hStop, 0) == WAIT_OBJECT_0; }

// Threads that share one counter of the next task: the pool never holds
// more than `inFlight` calls open, and each call's thread goes on to the next.
void SystemNeighbours::RunBounded(std::size_t count, std::size_t inFlight, CallbackRef<void(std::size_t)> task) {
    Pool pool{&task, count, 0, m_hStop};
    CHandle threads[MAXIMUM_WAIT_OBJECTS];
    HANDLE handles[MAXIMUM_WAIT_OBJECTS];
    DWORD started = 0;
    const std::size_t wanted = count < inFlight ? count : inFlight;
    for (std::size_t i = 0; i < wanted && i < MAXIMUM_WAIT_OBJECTS; ++i) {
        DWORD id = 0;
        threads[started] = CHandle(::CreateThread(nullptr, 0, &PoolThread, &pool, 0, &id));
        if (!threads[started].IsSet()) continue;
        handles[started] = threads[started].Get();
        ++started;
    }
    if (started == 0) {
        PoolThread(&pool);  // no thread to be had: one at a time, here
        return;
    }
    // The tasks use this frame: every thread ends before it goes, even after Stop.
    ::WaitForMultipleObjects(started, handles, TRUE, INFINITE);
}

void SystemNeighbours::Exclusive(CallbackRef<void()> step) {
    const CCriticalSection::Lock lock(m_lock);
    step();
}

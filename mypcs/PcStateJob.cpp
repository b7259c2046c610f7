#include "PcStateJob.h"

#include <memory>

#include "framework/CHandle.h"
#include "net/HostEntry.h"
#include "net/Ipv4.h"
#include "net/SocketSession.h"
#include "net/WinsockStartup.h"
#include "text/AnsiText.h"
#include "wakewait/EchoProbe.h"
#include "wakewait/NeighbourProbe.h"
#include "wakewait/WakeTarget.h"

namespace {

// One PC's probe, on a thread of its own; the round waits for every one.
struct Probe {
    std::uint32_t address = 0;
    unsigned long ifIndex = 0;  // 0: not on this PC's subnets
    PcState state = PcState::NotAnswering;

    static DWORD WINAPI Run(LPVOID param) {
        Probe& probe = *static_cast<Probe*>(param);
        EchoProbe echo;
        MacAddress mac{};
        if (echo.Answers(probe.address))
            probe.state = PcState::Awake;
        else if (probe.ifIndex && HasNeighbourProbe() &&
                 ResolveNeighbour(probe.address, probe.ifIndex, mac) == Neighbour::Answered)
            probe.state = PcState::ArpOnly;
        return 0;
    }
};

bool AddressOf(const std::wstring& text, std::uint32_t& address) {
    switch (ParseTarget(text, address)) {
    case TargetKind::Address: return true;
    case TargetKind::Name: return LookUpFirstIpv4(ToAnsi(text).c_str(), address);
    default: return false;
    }
}

}  // namespace

PcStateJob::PcStateJob(std::vector<std::wstring> addresses, std::vector<Adapter> adapters)
    : m_addresses(std::move(addresses)), m_adapters(std::move(adapters)),
      m_states(m_addresses.size(), PcState::Probing) {}

std::vector<PcState> PcStateJob::States() {
    const CCriticalSection::Lock lock(m_lock);
    return m_states;
}

void PcStateJob::Run(const CWorker::Context& context) {
    WinsockStartup winsock;
    const SocketSession session(winsock, kWinsock2);
    do {
        std::vector<PcState> states = Round();
        {
            const CCriticalSection::Lock lock(m_lock);
            m_states.swap(states);
        }
        if (!context.Post(kProbed)) return;
    } while (::WaitForSingleObject(context.StopEvent(), kRoundMs) != WAIT_OBJECT_0);
}

std::vector<PcState> PcStateJob::Round() {
    const std::vector<AdapterSubnet> rows = SubnetsOf(m_adapters);
    std::vector<Probe> probes(m_addresses.size());
    std::vector<CHandle> threads;
    for (std::size_t i = 0; i < m_addresses.size(); ++i) {
        Probe& probe = probes[i];
        if (m_addresses[i].empty()) probe.state = PcState::NoAddress;
        if (m_addresses[i].empty() || !AddressOf(m_addresses[i], probe.address) || !probe.address) continue;
        const int row = LocalRowFor(probe.address, m_adapters, rows);
        if (row >= 0) probe.ifIndex = m_adapters[rows[static_cast<std::size_t>(row)].adapter].index;
        DWORD id = 0;
        CHandle thread(::CreateThread(nullptr, 0, &Probe::Run, &probe, 0, &id));
        if (thread.IsSet()) threads.push_back(std::move(thread));
        else Probe::Run(&probe);
    }
    // Each probe ends on its own within seconds; the probes' memory is this frame's.
    for (const CHandle& thread : threads) ::WaitForSingleObject(thread.Get(), INFINITE);
    std::vector<PcState> states(probes.size());
    for (std::size_t i = 0; i < probes.size(); ++i) states[i] = probes[i].state;
    return states;
}

#include "ProbeWorker.h"

#include <winsock2.h>

#include <memory>

#include "ProbeRounds.h"
#include "SystemProbes.h"
#include "framework/CCriticalSection.h"
#include "framework/CHandle.h"
#include "net/HostEntry.h"
#include "net/SocketSession.h"
#include "net/WinsockStartup.h"

class ProbeWorker::Job final : public CWorker::Job {
public:
    Job(const std::string& host, std::uint32_t address)
        : m_host(host), m_address(address), m_go(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

    bool IsReady() const { return m_go.IsSet(); }
    void Begin(unsigned long ifIndex) {
        ::InterlockedExchange(&m_ifIndex, static_cast<LONG>(ifIndex));
        Continue();
    }
    void Continue() { ::SetEvent(m_go.Get()); }
    std::vector<ProbeRound> Take() {
        std::vector<ProbeRound> taken;
        const CCriticalSection::Lock lock(m_lock);
        taken.swap(m_rounds);
        return taken;
    }

    void Run(const CWorker::Context& context) override {
        // A name resolved after Stop is never probed.
        if (!m_host.empty() && !LookUp(context)) return;
        if (!context.Wait(m_go.Get(), INFINITE)) return;
        SystemProbes system(context.StopEvent());
        ProbeRounds rounds(system, m_address, static_cast<unsigned long>(m_ifIndex));
        ProbeRound round;
        if (rounds.Run(round)) Report(context, round);
        if (!context.Wait(m_go.Get(), INFINITE)) return;
        while (rounds.WaitForNext() && rounds.Run(round)) Report(context, round);
    }

private:
    bool LookUp(const CWorker::Context& context) {
        WinsockStartup winsock;
        const SocketSession session(winsock, kWinsock2);
        const bool resolved = session.Started() && LookUpFirstIpv4(m_host.c_str(), m_address);
        context.Post(resolved ? kResolved : kUnresolved, static_cast<LPARAM>(m_address));
        return resolved;
    }
    void Report(const CWorker::Context& context, const ProbeRound& round) {
        {
            const CCriticalSection::Lock lock(m_lock);
            m_rounds.push_back(round);
        }
        context.Post(kProbed);
    }

    const std::string m_host;  // empty for an address already known
    std::uint32_t m_address;
    CHandle m_go;  // auto reset: Begin, then Continue
    volatile LONG m_ifIndex = 0;
    CCriticalSection m_lock;  // guards m_rounds
    std::vector<ProbeRound> m_rounds;
};

bool ProbeWorker::Start(HWND window, const std::string& host) { return Start(window, host, 0); }

bool ProbeWorker::Start(HWND window, std::uint32_t address) { return Start(window, std::string(), address); }

bool ProbeWorker::Start(HWND window, const std::string& host, std::uint32_t address) {
    auto job = std::make_unique<Job>(host, address);
    if (!job->IsReady()) {
        Stop();  // a new wait ends the old one, started or not
        return false;
    }
    return m_worker.Start(window, std::move(job));
}

void ProbeWorker::Begin(unsigned long ifIndex) {
    if (Job* job = m_worker.CurrentAs<Job>()) job->Begin(ifIndex);
}

void ProbeWorker::Continue() {
    if (Job* job = m_worker.CurrentAs<Job>()) job->Continue();
}

std::vector<ProbeRound> ProbeWorker::TakeRounds() {
    Job* job = m_worker.CurrentAs<Job>();
    return job ? job->Take() : std::vector<ProbeRound>();
}

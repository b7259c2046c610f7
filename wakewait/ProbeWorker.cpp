#include "ProbeWorker.h"

#include <winsock2.h>

#include "ProbeRounds.h"
#include "SystemProbes.h"
#include "net/HostEntry.h"
#include "net/SocketSession.h"
#include "framework/CHandle.h"
#include "net/WinsockStartup.h"

// Shared by the dialog and the thread; whoever lets go of it last frees it,
// so a thread still blocked in a probe when the dialog has gone never
// touches freed memory.
struct ProbeWorker::Job {
    HWND window;
    unsigned serial;
    std::string host;
    CHandle stop;  // manual reset: the dialog is done with this job
    CHandle go;    // auto reset: Begin, then Continue
    volatile LONG refs;
    volatile LONG ifIndex;
    CRITICAL_SECTION lock;  // guards rounds
    std::vector<ProbeRound> rounds;

    bool Stopped() const { return ::WaitForSingleObject(stop.Get(), 0) == WAIT_OBJECT_0; }
    void Post(UINT message, LPARAM value) const {
        if (!Stopped()) ::PostMessageW(window, message, serial, value);
    }
    void Report(const ProbeRound& round) {
        ::EnterCriticalSection(&lock);
        rounds.push_back(round);
        ::LeaveCriticalSection(&lock);
        Post(kProbed, 0);
    }
    bool WaitGo() const {
        const HANDLE goOrStop[] = {go.Get(), stop.Get()};
        return ::WaitForMultipleObjects(2, goOrStop, FALSE, INFINITE) == WAIT_OBJECT_0;
    }
    void Release() {
        if (::InterlockedDecrement(&refs) != 0) return;
        ::DeleteCriticalSection(&lock);
        delete this;
    }
};

bool ProbeWorker::Start(HWND window, const std::string& host) {
    Stop();
    Job* job = new Job{window, ++m_serial, host, CHandle(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
                       CHandle(::CreateEventW(nullptr, FALSE, FALSE, nullptr)), 2, 0, {}, {}};
    ::InitializeCriticalSection(&job->lock);
    DWORD id = 0;
    // Never waited for: closed when Start returns.
    const CHandle thread(job->stop.IsSet() && job->go.IsSet() ? ::CreateThread(nullptr, 0, &ProbeWorker::Run, job, 0, &id)
                                                              : nullptr);
    if (!thread.IsSet()) {
        job->refs = 1;
        job->Release();
        return false;
    }
    m_job = job;
    return true;
}

void ProbeWorker::Begin(unsigned long ifIndex) {
    if (!m_job) return;
    ::InterlockedExchange(&m_job->ifIndex, static_cast<LONG>(ifIndex));
    ::SetEvent(m_job->go.Get());
}

void ProbeWorker::Continue() {
    if (m_job) ::SetEvent(m_job->go.Get());
}

void ProbeWorker::Stop() {
    if (!m_job) return;
    ::SetEvent(m_job->stop.Get());
    m_job->Release();
    m_job = nullptr;
}

std::vector<ProbeRound> ProbeWorker::TakeRounds() {
    std::vector<ProbeRound> taken;
    if (!m_job) return taken;
    ::EnterCriticalSection(&m_job->lock);
    taken.swap(m_job->rounds);
    ::LeaveCriticalSection(&m_job->lock);
    return taken;
}

DWORD WINAPI ProbeWorker::Run(LPVOID param) {
    Job* job = static_cast<Job*>(param);
    WinsockStartup winsock;
    {
        const SocketSession session(winsock, kWinsock2);
        std::uint32_t address = 0;
        const bool resolved = session.Started() && LookUpFirstIpv4(job->host.c_str(), address);
        job->Post(resolved ? kResolved : kUnresolved, static_cast<LPARAM>(address));
        // A name resolved after Stop is never probed.
        if (resolved && job->WaitGo()) {
            SystemProbes system(job->stop.Get());
            ProbeRounds rounds(system, address, static_cast<unsigned long>(job->ifIndex));
            ProbeRound round;
            if (rounds.Run(round)) job->Report(round);
            if (job->WaitGo())
                while (rounds.WaitForNext() && rounds.Run(round)) job->Report(round);
        }
    }
    job->Release();
    return 0;
}

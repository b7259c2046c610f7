#include "ProbeWorker.h"

#include <winsock2.h>

#include <cstring>

#include "EchoProbe.h"
#include "net/SocketSession.h"
#include "net/WinsockStartup.h"

namespace {
constexpr DWORD kProbeIntervalMs = 1000;
// A probe takes a second at most; the rest is slack for the thread to end.
constexpr DWORD kStopWaitMs = 1500;
}  // namespace

// Shared by the dialog and the thread; whoever lets go of it last frees it,
// so a thread still resolving a name when the dialog closes never touches
// freed memory.
struct ProbeWorker::Job {
    HWND window;
    unsigned serial;
    std::string host;
    HANDLE stop;  // manual reset: the dialog is done with this job
    HANDLE go;    // auto reset: probe every second from now on
    volatile LONG refs;
    volatile LONG address;

    bool Stopped() const { return ::WaitForSingleObject(stop, 0) == WAIT_OBJECT_0; }
    void Post(UINT message, LPARAM value) const {
        if (!Stopped()) ::PostMessageW(window, message, serial, value);
    }
    void Release() {
        if (::InterlockedDecrement(&refs) != 0) return;
        ::CloseHandle(stop);
        ::CloseHandle(go);
        delete this;
    }
};

bool ProbeWorker::Start(HWND window, const std::string& host) {
    Stop();
    Job* job = new Job{window, ++m_serial, host, ::CreateEventW(nullptr, TRUE, FALSE, nullptr),
                       ::CreateEventW(nullptr, FALSE, FALSE, nullptr), 2, 0};
    DWORD id = 0;
    m_hThread = job->stop && job->go ? ::CreateThread(nullptr, 0, &ProbeWorker::Run, job, 0, &id) : nullptr;
    if (!m_hThread) {
        job->refs = 1;
        job->Release();
        return false;
    }
    m_job = job;
    return true;
}

void ProbeWorker::Continue() {
    if (m_job) ::SetEvent(m_job->go);
}

void ProbeWorker::Stop() {
    if (!m_job) return;
    ::SetEvent(m_job->stop);
    ::WaitForSingleObject(m_hThread, kStopWaitMs);
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
    m_job->Release();
    m_job = nullptr;
}

std::uint32_t ProbeWorker::Address() const {
    return m_job ? static_cast<std::uint32_t>(m_job->address) : 0;
}

DWORD WINAPI ProbeWorker::Run(LPVOID param) {
    Job* job = static_cast<Job*>(param);
    WinsockStartup winsock;
    {
        const SocketSession session(winsock, kWinsock2);
        const hostent* entry = session.Started() ? ::gethostbyname(job->host.c_str()) : nullptr;
        const bool resolved = entry && entry->h_addrtype == AF_INET && entry->h_length == 4 && entry->h_addr_list[0];
        if (resolved) {
            u_long networkOrder = 0;
            std::memcpy(&networkOrder, entry->h_addr_list[0], sizeof networkOrder);
            job->address = static_cast<LONG>(::ntohl(networkOrder));
        }
        job->Post(kResolved, resolved);
        if (resolved) {
            EchoProbe probe;
            const std::uint32_t target = static_cast<std::uint32_t>(job->address);
            job->Post(kProbed, probe.Answers(target));
            const HANDLE goOrStop[] = {job->go, job->stop};
            if (::WaitForMultipleObjects(2, goOrStop, FALSE, INFINITE) == WAIT_OBJECT_0) {
                while (!job->Stopped()) {
                    const DWORD started = ::GetTickCount();
                    job->Post(kProbed, probe.Answers(target));
                    const DWORD spent = ::GetTickCount() - started;
                    ::WaitForSingleObject(job->stop, spent < kProbeIntervalMs ? kProbeIntervalMs - spent : 0);
                }
            }
        }
    }
    job->Release();
    return 0;
}

#include "CWorker.h"

struct CWorker::Shared {
    Context context;
    std::unique_ptr<Job> job;
    volatile LONG refs;

    void Release() {
        if (::InterlockedDecrement(&refs) == 0) delete this;
    }
};

CWorker::Context::Context(HWND window, unsigned serial, CHandle stop)
    : m_window(window), m_serial(serial), m_stop(static_cast<CHandle&&>(stop)) {}

bool CWorker::Context::Stopped() const { return ::WaitForSingleObject(m_stop.Get(), 0) == WAIT_OBJECT_0; }

// The stop event first: when both are set, the wait reports the stop, so a
// job stopped while its event was set goes no further.
bool CWorker::Context::Wait(HANDLE event, DWORD ms) const {
    const HANDLE stopOrEvent[] = {m_stop.Get(), event};
    return ::WaitForMultipleObjects(2, stopOrEvent, FALSE, ms) == WAIT_OBJECT_0 + 1;
}

bool CWorker::Context::Post(UINT message, LPARAM value) const {
    return !Stopped() && ::PostMessageW(m_window, message, m_serial, value) != FALSE;
}

bool CWorker::Start(HWND window, std::unique_ptr<Job> job) {
    Stop();
    CHandle stop(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!stop.IsSet()) return false;
    auto* shared = new Shared{Context(window, ++m_serial, static_cast<CHandle&&>(stop)), static_cast<std::unique_ptr<Job>&&>(job), 2};
    DWORD id = 0;
    const CHandle thread(m_startThread(nullptr, 0, &CWorker::Run, shared, 0, &id));  // never waited for
    if (!thread.IsSet()) {
        delete shared;  // no thread holds it: the one clean-up of a failed start
        return false;
    }
    m_shared = shared;
    return true;
}

void CWorker::Stop() {
    if (!m_shared) return;
    ::SetEvent(m_shared->context.StopEvent());
    m_shared->Release();
    m_shared = nullptr;
}

CWorker::Job* CWorker::Current() const { return m_shared ? m_shared->job.get() : nullptr; }

DWORD WINAPI CWorker::Run(LPVOID param) {
    auto* shared = static_cast<Shared*>(param);
    shared->job->Run(shared->context);
    shared->Release();
    return 0;
}

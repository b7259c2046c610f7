#include "LastWakeWorker.h"

#include "EventLogReader.h"
#include "FirmwareWakeUpReader.h"
#include "framework/CHandle.h"

// Shared by the dialog and the thread; whoever lets go of it last frees it,
// so a thread still reading when the dialog has gone touches nothing freed.
struct LastWakeWorker::Job {
    HWND window;
    unsigned serial;
    volatile LONG refs;
    volatile LONG stopped;
    volatile LONG done;  // set once the record is complete, before the post
    LastWakeRecord record;

    void Release() {
        if (::InterlockedDecrement(&refs) == 0) delete this;
    }
};

bool LastWakeWorker::Start(HWND window) {
    Stop();
    Job* job = new Job{window, ++m_serial, 2, 0, 0, {}};
    DWORD id = 0;
    const CHandle thread(::CreateThread(nullptr, 0, &LastWakeWorker::Run, job, 0, &id));  // never waited for
    if (!thread.IsSet()) {
        delete job;
        return false;
    }
    m_job = job;
    return true;
}

void LastWakeWorker::Stop() {
    if (!m_job) return;
    ::InterlockedExchange(&m_job->stopped, 1);
    m_job->Release();
    m_job = nullptr;
}

LastWakeRecord LastWakeWorker::TakeRecord() const {
    if (!m_job || ::InterlockedCompareExchange(&m_job->done, 0, 0) == 0) return LastWakeRecord();
    return m_job->record;
}

DWORD WINAPI LastWakeWorker::Run(LPVOID param) {
    Job* job = static_cast<Job*>(param);
    job->record.wake = ReadLastWake();
    job->record.start = ReadLastStart();
    job->record.wakeUpType = ReadFirmwareWakeUpType();
    ::InterlockedExchange(&job->done, 1);
    if (::InterlockedCompareExchange(&job->stopped, 0, 0) == 0) ::PostMessageW(job->window, kRead, job->serial, 0);
    job->Release();
    return 0;
}

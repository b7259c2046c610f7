#pragma once
// Runs a job off the window's thread and posts what it found to the window.
// The window never waits for the thread and the thread never sends the window
// a message: Stop returns at once, a job still blocked in a system call
// finishes on its own, and whatever it posts after Stop, or after a newer job
// started, is dropped before it reaches the window (IsCurrent). The job object
// is shared by the window and the thread; whoever lets go of it last frees it,
// so a thread outliving its window touches nothing freed.
#include <windows.h>

#include <memory>

#include "CHandle.h"

class CWorker {
public:
    // What the job's thread is given.
    class Context {
    public:
        // Set by Stop, or by a newer Start; a job checks it between its steps.
        bool Stopped() const;
        // Signalled with Stopped: a wait for anything else also waits on it.
        HANDLE StopEvent() const { return m_stop.Get(); }
        // Waits up to `ms` for `event`; false once the job was stopped instead.
        bool Wait(HANDLE event, DWORD ms) const;
        // Posts `message` with the job's serial in wParam, unless it was
        // stopped. Returns whether it posted.
        bool Post(UINT message, LPARAM value = 0) const;

    private:
        friend class CWorker;
        Context(HWND window, unsigned serial, CHandle stop);
        HWND m_window;
        unsigned m_serial;
        CHandle m_stop;  // manual reset
    };

    // One run's work. The window reads what it found through Current(), under
    // the job's own lock where the thread may still be writing.
    class Job {
    public:
        virtual ~Job() = default;
        virtual void Run(const Context& context) = 0;
    };

    // How a thread is started: the system's CreateThread, or a test's
    // stand-in that fails.
    using ThreadStarter = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD);

    explicit CWorker(ThreadStarter startThread = &::CreateThread) : m_startThread(startThread) {}
    CWorker(const CWorker&) = delete;
    CWorker& operator=(const CWorker&) = delete;
    ~CWorker() { Stop(); }

    // Stops the current job and runs `job` on a new thread. False when no
    // thread could be started: the job is then freed, once, before Start
    // returns, and nothing is posted.
    bool Start(HWND window, std::unique_ptr<Job> job);
    // Ends the current job at once; it never waits.
    void Stop();

    unsigned Serial() const { return m_serial; }
    // Whether a post with this wParam comes from the job that still runs.
    bool IsCurrent(WPARAM serial) const { return m_shared && serial == m_serial; }
    // The current job, or null after Stop.
    Job* Current() const;
    // The current job as the type it was started with.
    template <class T>
    T* CurrentAs() const {
        return static_cast<T*>(Current());
    }

private:
    struct Shared;
    static DWORD WINAPI Run(LPVOID shared);

    ThreadStarter m_startThread;
    Shared* m_shared = nullptr;
    unsigned m_serial = 0;
};

#pragma once
// The part of the wait that may block: resolving the PC's name and the
// pings, each ping at most a second. It runs on a thread of its own and
// only posts its results to the dialog, never sends it a message, so the
// dialog can stop it at any time without a deadlock. One wait at a time.
#include <windows.h>

#include <cstdint>
#include <string>

class ProbeWorker {
public:
    // Posted to the dialog: wParam the job's serial, lParam as said.
    static constexpr UINT kResolved = WM_APP + 10;  // lParam: 1 when the name resolved
    static constexpr UINT kProbed = WM_APP + 11;    // lParam: 1 when the PC answered

    ProbeWorker() = default;
    ProbeWorker(const ProbeWorker&) = delete;
    ProbeWorker& operator=(const ProbeWorker&) = delete;
    ~ProbeWorker() { Stop(); }

    // Resolves `host` (a name, or an address as text), posts kResolved,
    // probes once and posts kProbed, then waits for Continue(). False when
    // no thread could be started.
    bool Start(HWND window, const std::string& host);
    // Probes every second from now on, posting each result.
    void Continue();
    // Ends the job; waits for its thread at most as long as one probe takes.
    void Stop();

    unsigned Serial() const { return m_serial; }
    // The address the name resolved to, host order: valid after kResolved.
    std::uint32_t Address() const;

private:
    struct Job;
    static DWORD WINAPI Run(LPVOID job);

    Job* m_job = nullptr;
    HANDLE m_hThread = nullptr;
    unsigned m_serial = 0;
};

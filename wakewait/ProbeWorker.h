#pragma once
// The part of the wait that may block: resolving the PC's name and the
// rounds of probing (ProbeRounds). It runs on a thread of its own and only
// posts to the dialog, never sends it a message, and the dialog never waits
// for it: Stop returns at once, the thread finishes the probe it is in and
// ends on its own, and a new wait may start meanwhile.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ProbeFacts.h"
#include "res/resource.h"

class ProbeWorker {
public:
    // Posted to the dialog, each with the job's serial in wParam.
    static constexpr UINT kResolved = WM_APP_RESOLVED;  // lParam: the address, host order
    static constexpr UINT kUnresolved = WM_APP_UNRESOLVED;
    static constexpr UINT kProbed = WM_APP_PROBED;      // rounds are waiting for TakeRounds

    ProbeWorker() = default;
    ProbeWorker(const ProbeWorker&) = delete;
    ProbeWorker& operator=(const ProbeWorker&) = delete;
    ~ProbeWorker() { Stop(); }

    // Resolves `host` (a name, or an address as text) and posts the answer;
    // then waits for Begin. False when no thread could be started.
    bool Start(HWND window, const std::string& host);
    // Runs the round before the packet goes: through interface `ifIndex`
    // for the neighbour probe, 0 for the ping alone. Then waits for Continue.
    void Begin(unsigned long ifIndex);
    // A round every second from now on.
    void Continue();
    // Ends the job at once; nothing it posts later belongs to a current job.
    void Stop();

    unsigned Serial() const { return m_serial; }
    // The rounds completed since the last call, oldest first.
    std::vector<ProbeRound> TakeRounds();

private:
    struct Job;
    static DWORD WINAPI Run(LPVOID job);

    Job* m_job = nullptr;
    unsigned m_serial = 0;
};

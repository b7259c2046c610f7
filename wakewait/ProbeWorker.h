#pragma once
// The part of the wait that may block: resolving the PC's name and the
// rounds of probing (ProbeRounds), run as a CWorker job: it only posts to
// the window, the window never waits for it, and a new wait may start while
// an old job still finishes the probe it is in.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ProbeFacts.h"
#include "framework/CWorker.h"
#include "res/resource.h"

class ProbeWorker {
public:
    // Posted to the window, each with the job's serial in wParam.
    static constexpr UINT kResolved = WM_APP_RESOLVED;  // lParam: the address, host order
    static constexpr UINT kUnresolved = WM_APP_UNRESOLVED;
    static constexpr UINT kProbed = WM_APP_PROBED;      // rounds are waiting for TakeRounds

    // Resolves `host` (a name, or an address as text) and posts the answer;
    // then waits for Begin. False when no thread could be started.
    bool Start(HWND window, const std::string& host);
    // For an address already known: nothing is looked up or posted before
    // the rounds; waits for Begin.
    bool Start(HWND window, std::uint32_t address);
    // Runs the round before the packet goes: through interface `ifIndex`
    // for the neighbour probe, 0 for the ping alone. Then waits for Continue.
    void Begin(unsigned long ifIndex);
    // A round every second from now on.
    void Continue();
    // Ends the job at once; nothing it posts later belongs to a current job.
    void Stop() { m_worker.Stop(); }

    unsigned Serial() const { return m_worker.Serial(); }
    bool IsCurrent(WPARAM serial) const { return m_worker.IsCurrent(serial); }
    // The rounds completed since the last call, oldest first.
    std::vector<ProbeRound> TakeRounds();

private:
    class Job;
    bool Start(HWND window, const std::string& host, std::uint32_t address);

    CWorker m_worker;
};

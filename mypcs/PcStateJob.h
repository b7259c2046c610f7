#pragma once
// The states of the saved PCs, probed off the window's thread every five
// seconds while My PCs is open, all PCs of a round in parallel (one thread a
// PC, each bounded by the ping's one second and the neighbour probe's few),
// with the probes Wake and wait has. Each round's states are posted as
// kProbed; the window reads them with States().
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/CCriticalSection.h"
#include "framework/CWorker.h"
#include "net/Adapter.h"

enum class PcState : unsigned char { NoAddress, Probing, Awake, ArpOnly, NotAnswering };

class PcStateJob final : public CWorker::Job {
public:
    static constexpr UINT kProbed = WM_APP + 40;
    static constexpr DWORD kRoundMs = 5000;

    // One address a PC (empty: none), and this PC's adapters.
    PcStateJob(std::vector<std::wstring> addresses, std::vector<Adapter> adapters);
    void Run(const CWorker::Context& context) override;
    std::vector<PcState> States();

private:
    std::vector<PcState> Round();

    const std::vector<std::wstring> m_addresses;
    const std::vector<Adapter> m_adapters;
    CCriticalSection m_lock;
    std::vector<PcState> m_states;  // under m_lock
};

#pragma once
// One "Wake and wait", from the address typed to the verdict, with every
// text it says. One WaitPump drives it, for the dialog on its window's
// messages and for the command line on its main thread's: it does the step
// the session asks for (look the name up, run a round of probes, send) and
// hands back what came of it. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

#include "WaitMachine.h"
#include "WakeTarget.h"

enum class WaitStep {
    None,        // the event was out of turn (a late worker's): go on as before
    Done,        // over: Status() holds why
    Resolve,     // look Target() up, then Resolved or Unresolved
    FirstRound,  // probe through NeighbourIndex(), then Round
    Send,        // send through SubnetRow(), then SendDone
    NextRound,   // probe again once a second, then Round
};

class WaitSession {
public:
    // `limitSeconds`: how long the wait watches after the send; `ownLimit`:
    // the user chose it, so a wait without answer names it rather than
    // saying three minutes.
    explicit WaitSession(const MacAddress& pc, std::uint32_t limitSeconds = kWaitSeconds, bool ownLimit = false)
        : m_pc(pc), m_limitSeconds(limitSeconds), m_ownLimit(ownLimit) {}

    // `target` as typed, trimmed; `adapters`: this PC's, as surveyed now.
    WaitStep Begin(const std::wstring& target, std::vector<Adapter> adapters);
    // The same, for a target whose kind and address ParseTarget has given.
    WaitStep Begin(const std::wstring& target, TargetKind kind, std::uint32_t address, std::vector<Adapter> adapters);
    WaitStep Resolved(std::uint32_t address);
    // A magic packet needs no address: it still goes, but nothing can watch.
    WaitStep Unresolved();
    WaitStep Round(const ProbeRound& round, std::uint32_t nowMs);
    // `failure`: what the sends said when none went.
    WaitStep SendDone(bool anySent, const std::wstring& failure, std::uint32_t nowMs);
    WaitStep Stop(std::uint32_t nowMs);

    bool IsRunning() const { return m_wait.IsRunning(); }
    const MacAddress& Pc() const { return m_pc; }
    const std::wstring& Target() const { return m_target; }
    // A name is looked up; a typed address needs no lookup: it is Address().
    bool IsName() const { return m_name; }
    std::uint32_t Address() const { return m_address; }
    // The interface for the neighbour probe, 0 for the ping alone: ARP only
    // where the PC is on this PC's own subnet, through the adapter on it.
    unsigned long NeighbourIndex(bool systemHasNeighbourProbe) const;
    // The row of the PC's subnet for its own broadcast; -1 for none.
    int SubnetRow() const { return m_row; }
    const std::vector<Adapter>& Adapters() const { return m_adapters; }
    const std::vector<AdapterSubnet>& Subnets() const { return m_rows; }

    // The whole status as a window shows it now: the notes that stand before
    // every line of this wait, then the line of the moment.
    const std::wstring& Status() const { return m_status; }
    std::uint32_t ElapsedSeconds(std::uint32_t nowMs) const { return m_wait.ElapsedSeconds(nowMs); }
    // Each line said since the last call, once, in order, as a console
    // writes them.
    std::vector<std::wstring> TakeSaid();

    WaitState State() const { return m_wait.State(); }
    bool Refused() const { return m_refused; }
    bool SawOtherDevice() const;

private:
    WaitStep OutOfTurn() const { return IsRunning() ? WaitStep::None : WaitStep::Done; }
    WaitStep Refuse(Refusal refusal);
    WaitStep Finish();
    void NoteOtherDevice();
    void ShowProgress(std::uint32_t nowMs);
    void Say(const std::wstring& line) { m_said.push_back(line); }
    std::wstring Text(const wchar_t* key, std::uint32_t seconds) const;

    MacAddress m_pc;
    std::uint32_t m_limitSeconds;
    bool m_ownLimit;

    WaitMachine m_wait;
    std::vector<Adapter> m_adapters;
    std::vector<AdapterSubnet> m_rows;
    std::wstring m_target;
    std::wstring m_shown;  // as the texts name it: a name with its address once resolved
    bool m_name = false;
    bool m_resolved = false;
    bool m_refused = false;
    std::uint32_t m_address = 0;
    int m_row = -1;
    std::wstring m_warning;  // the PC is behind a router
    std::wstring m_other;    // another device answers at the address
    std::wstring m_status;
    std::vector<std::wstring> m_said;
};

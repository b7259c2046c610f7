#include "WaitPump.h"

#include "NeighbourProbe.h"
#include "net/SocketSession.h"
#include "net/WinsockStartup.h"
#include "text/AnsiText.h"

void WaitPump::Start(HWND window, const std::wstring& target, TargetKind kind, std::uint32_t address,
                     std::vector<Adapter> adapters, bool everyAdapter) {
    m_window = window;
    m_everyAdapter = everyAdapter;
    Follow(m_session.Begin(target, kind, address, std::move(adapters)));
}

void WaitPump::Stop() { Follow(m_session.Stop(::GetTickCount())); }

bool WaitPump::OnPosted(UINT message, WPARAM serial, LPARAM value) {
    if (message != ProbeWorker::kResolved && message != ProbeWorker::kUnresolved && message != ProbeWorker::kProbed)
        return false;
    if (!m_worker.IsCurrent(serial) || !m_session.IsRunning()) return true;
    if (message == ProbeWorker::kResolved) Follow(m_session.Resolved(static_cast<std::uint32_t>(value)));
    if (message == ProbeWorker::kUnresolved) Follow(m_session.Unresolved());
    if (message != ProbeWorker::kProbed) return true;
    for (const ProbeRound& round : m_worker.TakeRounds())
        if (m_session.IsRunning()) Follow(m_session.Round(round, ::GetTickCount()));
    return true;
}

void WaitPump::Follow(WaitStep step) {
    for (;;) {
        switch (step) {
        case WaitStep::Resolve: step = Resolve(); continue;
        case WaitStep::Send: step = Send(); continue;
        case WaitStep::FirstRound: m_worker.Begin(m_session.NeighbourIndex(HasNeighbourProbe())); break;
        case WaitStep::NextRound: m_worker.Continue(); break;
        case WaitStep::Done: m_worker.Stop(); break;
        case WaitStep::None: break;
        }
        break;
    }
    Flush();
    m_view.Changed(m_session);
}

// Without the socket layer nothing can be looked up or sent: the wait goes
// on as for a name that is not found, and the send says why it failed. A
// typed address is resolved already and goes to the worker as it is.
WaitStep WaitPump::Resolve() {
    {
        WinsockStartup winsock;
        const SocketSession session(winsock, kWinsock2);
        if (!session.Started()) return m_session.Unresolved();
    }
    if (!m_session.IsName()) {
        const std::uint32_t address = m_session.Address();
        return m_window && m_worker.Start(m_window, address) ? m_session.Resolved(address) : m_session.Stop(::GetTickCount());
    }
    // No window or no thread for the lookup: the wait ends as it began.
    return m_window && m_worker.Start(m_window, ToAnsi(m_session.Target())) ? WaitStep::None : m_session.Stop(::GetTickCount());
}

WaitStep WaitPump::Send() {
    Flush();  // what the wait said before the packet goes, before the sends
    const WakeSendResult sent = SendWakePackets(m_session.Pc(), m_session.Adapters(), m_session.Subnets(),
                                                m_session.SubnetRow(), m_everyAdapter, m_extras);
    m_view.Sent(m_session, sent);
    return m_session.SendDone(sent.AnySent(), sent.failure, ::GetTickCount());
}

void WaitPump::Flush() {
    for (const std::wstring& line : m_session.TakeSaid()) m_view.Said(line);
}

#pragma once
// One Wake and wait carried out: the session's steps done by the system
// (the worker's lookup and rounds, the send), each answer handed back to the
// session. A window and a console are two views of it: each hears every line
// the wait says, once and in order, and where the wait stands after each
// step; the console also says each send. The worker posts to a window of the
// view's thread, whose messages that thread pumps and hands to OnPosted.
#include <windows.h>

#include <string>
#include <vector>

#include "ProbeWorker.h"
#include "WaitSession.h"
#include "WakeSend.h"

class WaitView {
public:
    // A line of the wait, as a console writes it.
    virtual void Said(const std::wstring& line) = 0;
    // What one send did, before the wait goes on.
    virtual void Sent(const WaitSession& session, const WakeSendResult& sent) = 0;
    // After each step: the session's Status() and State() as they stand.
    virtual void Changed(const WaitSession& session) = 0;

protected:
    ~WaitView() = default;
};

class WaitPump {
public:
    // `extras`: a saved PC's way of sending.
    WaitPump(WaitView& view, const MacAddress& pc, std::uint32_t limitSeconds = kWaitSeconds, bool ownLimit = false,
             WakeExtras extras = WakeExtras())
        : m_view(view), m_session(pc, limitSeconds, ownLimit), m_extras(std::move(extras)) {}

    // `window` receives the worker's posts; `target` as ParseTarget read it.
    void Start(HWND window, const std::wstring& target, TargetKind kind, std::uint32_t address,
               std::vector<Adapter> adapters, bool everyAdapter);
    void Stop();
    // Ends the worker's job without a verdict: the view is going.
    void Abandon() { m_worker.Stop(); }
    // A message the worker posted; false for any other.
    bool OnPosted(UINT message, WPARAM serial, LPARAM value);

    const WaitSession& Session() const { return m_session; }
    bool IsRunning() const { return m_session.IsRunning(); }

private:
    void Follow(WaitStep step);
    WaitStep Resolve();
    WaitStep Send();
    void Flush();

    WaitView& m_view;
    WaitSession m_session;
    ProbeWorker m_worker;
    HWND m_window = nullptr;
    bool m_everyAdapter = false;
    const WakeExtras m_extras;
};

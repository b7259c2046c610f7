#pragma once
// The window wrapper every dialog and control derives from. A CWnd either
// subclasses an existing control (SubclassWindow) or is a dialog that CDialog
// runs; in both cases its messages go through the virtual WindowProc and the
// class's message map.
#include <windows.h>

#include <string>

#include "MessageMap.h"

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    // The object attached to hWnd, or null when none is.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Takes over an existing child window: runs the attach hook, then routes
    // the window's messages through this object.
    bool SubclassWindow(HWND hWnd);

    std::wstring GetWindowText() const;
    void SetWindowText(const std::wstring& text);
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void SetDlgItemText(int id, const std::wstring& text);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
    BOOL RedrawWindow(UINT flags) { return ::RedrawWindow(m_hWnd, nullptr, nullptr, flags); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }

    // A request of the parent about this window (a reflected WM_CTLCOLOR*).
    // True when this window's map served it; *result is then the answer.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    HWND m_hWnd = nullptr;

protected:
    // Attach hook: runs in SubclassWindow before any message reaches the object.
    virtual void PreSubclassWindow() {}
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual const MessageMap* GetMessageMap() const { return &messageMap; }
    // What the window would have done without this object.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Hands the message being served on to DefWindowProc.
    LRESULT Default();
    // Serves a message through the map; false when no entry matched.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    void Attach(HWND hWnd);
    void Detach();

    static const MessageMap messageMap;

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool passedOn;  // a handler handed it to the default processing
    };
    // The message being served, for Default(); the outer one comes back when
    // the scope ends, since handlers may send messages to their own window.
    class CurrentMessageScope {
    public:
        CurrentMessageScope(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam)
            : m_wnd(wnd), m_outer(wnd.m_current) {
            wnd.m_current = {message, wParam, lParam, false};
        }
        CurrentMessageScope(const CurrentMessageScope&) = delete;
        CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;
        ~CurrentMessageScope() { m_wnd.m_current = m_outer; }

    private:
        CWnd& m_wnd;
        CurrentMessage m_outer;
    };

    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    friend class CDialog;

    WNDPROC m_pfnSuper = nullptr;
    CurrentMessage m_current{};
};

#pragma once
// A message-only window of its own, destroyed with its owner: for a thread
// that has no window of its own to receive what a worker posts.
#include <windows.h>

#include "COwned.h"

struct WindowKind {
    using Handle = HWND;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle handle) { return ::DestroyWindow(handle) != FALSE; }
};

class CMessageWindow {
public:
    CMessageWindow()
        : m_window(::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}

    HWND Get() const { return m_window.Get(); }
    bool IsSet() const { return m_window.IsSet(); }

private:
    COwned<WindowKind> m_window;
};

#pragma once
// A window this code made for itself and destroys when done with it (a
// message-only window that owns the clipboard for a moment), as opposed to
// the dialogs and controls, which their parents and the dialog manager own.
#include <windows.h>

#include "COwned.h"

struct WindowKind {
    using Handle = HWND;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle window) { return ::DestroyWindow(window) != FALSE; }
};

using COwnedWindow = COwned<WindowKind>;

// A message-only window of the calling thread: for a thread with no window
// of its own, to own the clipboard or to receive what a worker posts.
inline COwnedWindow MessageOnlyWindow() {
    return COwnedWindow(::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
}

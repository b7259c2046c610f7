#pragma once
// Owners for COM: an interface pointer, released once, and this thread's
// COM apartment, left once with CoUninitialize (found in ole32.dll when
// COM is first started, as the program does not import it). Declare the
// apartment before the pointers made in it: they are released first.
#include <windows.h>

#include "COwned.h"
#include "SystemLibrary.h"

template <class Interface>
struct ComPointerKind {
    using Handle = Interface*;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle pointer) {
        pointer->Release();
        return true;
    }
};

template <class Interface>
using CComPtr = COwned<ComPointerKind<Interface>>;

// Its handle is whether COM was started on this thread, S_FALSE included:
// each start wants its own CoUninitialize.
struct ComApartmentKind {
    using Handle = bool;
    using UninitializeFn = void(WINAPI*)();
    static Handle Empty() { return false; }
    static UninitializeFn Uninitialize() {
        static const auto fn = FindSystemProc<UninitializeFn>(L"ole32.dll", "CoUninitialize");
        return fn;
    }
    static bool Close(Handle) {
        if (!Uninitialize()) return false;
        Uninitialize()();
        return true;
    }
};

using CComApartment = COwned<ComApartmentKind>;

#pragma once
// A function of a system library, found at run time: for what older Windows
// lacks, and for libraries the program should not load before it needs them.
// A library once loaded stays loaded for the run.
#include <windows.h>

// The export, or null when the library or the function cannot be found.
inline FARPROC FindSystemProc(const wchar_t* library, const char* name) {
    const HMODULE module = ::LoadLibraryW(library);
    return module ? ::GetProcAddress(module, name) : nullptr;
}

// The same, as the function's own pointer type.
template <class Fn>
Fn SystemProcAs(FARPROC proc) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
}
template <class Fn>
Fn FindSystemProc(const wchar_t* library, const char* name) {
    return SystemProcAs<Fn>(FindSystemProc(library, name));
}

#pragma once
// Libraries of the system, loaded at run time: for what older Windows lacks,
// and for libraries the program should not load before it needs them.
//
// Never by bare name: a file of the same name beside the program (a
// downloads folder is enough) would be loaded in its place. Always by full
// path in the system folder, with the altered search path, so that the
// library's own imports are looked for beside it, not beside the program.
// A library once loaded stays loaded for the run.
#include <windows.h>

// The system folder's library of that file name ("iphlpapi.dll"), or null.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

// An export of a system library, or null when the library or the function
// cannot be found.
FARPROC FindSystemProc(const wchar_t* library, const char* name);

// The same, as the function's own pointer type.
template <class Fn>
Fn SystemProcAs(FARPROC proc) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
}
template <class Fn>
Fn FindSystemProc(const wchar_t* library, const char* name) {
    return SystemProcAs<Fn>(FindSystemProc(library, name));
}

// The common controls. From Windows XP on by name, so that the manifest's
// side-by-side entry can choose version 6; on Windows 2000, which has no
// side-by-side store, from the system folder like every other library.
HMODULE LoadCommonControls();

// Registers window classes of the common controls (ICC_* flags), loading
// them at first use rather than with the program; false when they could not
// be had.
bool InitCommonControlClasses(DWORD classes);

// Takes the current folder out of the search path of every later load,
// where the system can (Windows XP SP1 and later). Call first thing.
void RemoveCurrentFolderFromLibrarySearch();

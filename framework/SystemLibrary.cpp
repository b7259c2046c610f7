#include "SystemLibrary.h"

#include <commctrl.h>

#include <string>

namespace {

// kernel32.dll is in every process before its first line runs: asking it by
// name searches nothing.
FARPROC KernelProc(const char* name) {
    return ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), name);
}

}  // namespace

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path(folder, length);
    if (path.back() != L'\\') path += L'\\';
    path += fileName;
    return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

FARPROC FindSystemProc(const wchar_t* library, const char* name) {
    const HMODULE module = LoadSystemLibrary(library);
    return module ? ::GetProcAddress(module, name) : nullptr;
}

HMODULE LoadCommonControls() {
    // Activation contexts came with the side-by-side store, in Windows XP.
    if (KernelProc("ActivateActCtx")) return ::LoadLibraryW(L"comctl32.dll");
    return LoadSystemLibrary(L"comctl32.dll");
}

bool InitCommonControlClasses(DWORD classes) {
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const HMODULE controls = LoadCommonControls();
    const auto init = controls ? SystemProcAs<InitFn>(::GetProcAddress(controls, "InitCommonControlsEx")) : nullptr;
    const INITCOMMONCONTROLSEX request{sizeof request, classes};
    return init && init(&request);
}

void RemoveCurrentFolderFromLibrarySearch() {
    using SetDllDirectoryFn = BOOL(WINAPI*)(LPCWSTR);
    const auto setDllDirectory = SystemProcAs<SetDllDirectoryFn>(KernelProc("SetDllDirectoryW"));
    if (setDllDirectory) setDllDirectory(L"");
}

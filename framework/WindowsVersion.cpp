#include "WindowsVersion.h"

#include "SystemLibrary.h"

unsigned WindowsVersion() {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    static const unsigned version = [] {
        const auto getVersion = FindSystemProc<RtlGetVersionFn>(L"ntdll.dll", "RtlGetVersion");
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof info;
        if (!getVersion || getVersion(&info) != 0) return 0u;
        return static_cast<unsigned>(info.dwMajorVersion << 8 | (info.dwMinorVersion & 0xFF));
    }();
    return version;
}

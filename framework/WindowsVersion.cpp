#include "WindowsVersion.h"

#include "SystemLibrary.h"

namespace {

struct VersionRead {
    unsigned version = 0, build = 0;
};

const VersionRead& ReadVersion() {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    static const VersionRead read = [] {
        VersionRead r;
        const auto getVersion = FindSystemProc<RtlGetVersionFn>(L"ntdll.dll", "RtlGetVersion");
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof info;
        if (!getVersion || getVersion(&info) != 0) return r;
        r.version = static_cast<unsigned>(info.dwMajorVersion << 8 | (info.dwMinorVersion & 0xFF));
        r.build = info.dwBuildNumber;
        return r;
    }();
    return read;
}

}  // namespace

unsigned WindowsVersion() {
    return ReadVersion().version;
}

unsigned WindowsBuild() {
    return ReadVersion().build;
}

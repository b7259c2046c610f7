#pragma once
// One ICMP echo handle: the ping of "Wake and wait".
// The functions live in iphlpapi.dll from Windows XP on and in icmp.dll on
// Windows 2000; they are found at run time in whichever has them.
#include <windows.h>

#include <cstdint>

#include "framework/COwned.h"

// Closed through the IcmpCloseHandle found with IcmpCreateFile.
struct IcmpHandleKind {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle handle);
};

class EchoProbe {
public:
    EchoProbe();

    // One echo request with a one-second timeout: true only for an answer
    // from `target` itself (host byte order).
    bool Answers(std::uint32_t target);

private:
    COwned<IcmpHandleKind> m_icmp;
};

#pragma once
// One ICMP echo handle, closed by its owner: the ping of "Wake and wait".
// The functions live in iphlpapi.dll from Windows XP on and in icmp.dll on
// Windows 2000; they are found at run time in whichever has them.
#include <windows.h>

#include <cstdint>

class EchoProbe {
public:
    EchoProbe();
    EchoProbe(const EchoProbe&) = delete;
    EchoProbe& operator=(const EchoProbe&) = delete;
    ~EchoProbe();

    // One echo request with a one-second timeout: true only for an answer
    // from `target` itself (host byte order).
    bool Answers(std::uint32_t target);

private:
    HANDLE m_hIcmp = INVALID_HANDLE_VALUE;
};

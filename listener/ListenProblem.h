#pragma once
// The words for a port the listener could not open. Windows' "Simple
// TCP/IP Services" (simptcp) hold echo (7) and discard (9), the ports a
// magic packet is sent to, so a port in use there is named after them.
// Platform-free: the error numbers are Winsock's.
#include <cstdint>

// The language key for `port` refused with Winsock error `error` (not 0).
const wchar_t* ListenProblemKey(int error, std::uint16_t port, bool simpleTcpipRunning);

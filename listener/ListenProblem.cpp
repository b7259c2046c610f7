#include "ListenProblem.h"

namespace {
constexpr int kWsaAccess = 10013, kWsaAddressInUse = 10048;
constexpr std::uint16_t kEchoPort = 7, kDiscardPort = 9;
}  // namespace

const wchar_t* ListenProblemKey(int error, std::uint16_t port, bool simpleTcpipRunning) {
    if (error != kWsaAddressInUse && error != kWsaAccess) return L"LISTEN_PORT_FAILED";
    if (simpleTcpipRunning && (port == kEchoPort || port == kDiscardPort)) return L"LISTEN_SIMPLE_TCPIP";
    return L"LISTEN_IN_USE";
}

#pragma once
// The socket-layer calls of one "Power ON", as one small interface so that
// each can be made to fail and the calls that followed can be seen.
#include <cstdint>
#include <string>

#include "BroadcastDestination.h"
#include "SocketSession.h"

class SocketLayer {
public:
    virtual bool OpenUdpSocket() = 0;          // socket(AF_INET, SOCK_DGRAM, 0)
    virtual void CloseSocket() = 0;            // closesocket
    // gethostbyname: the first IPv4 address, host byte order.
    virtual bool Resolve(const std::string& host, std::uint32_t& address) = 0;
    virtual bool EnableBroadcast() = 0;        // setsockopt SO_BROADCAST = 1
    virtual bool SendTo(const MagicPacket& packet, std::uint32_t address, std::uint16_t port) = 0;

protected:
    ~SocketLayer() = default;
};

// Where a failure's text goes: a message box from the main window, kept as
// text where no box may open (Wake and wait, the command line). Kept apart
// from the socket calls, which know nothing of windows.
class FailureReport {
public:
    virtual void Show(const wchar_t* text) = 0;

protected:
    ~FailureReport() = default;
};

// The fixed texts of the failures, in English whatever the language.
extern const wchar_t kErrorStartup[];
extern const wchar_t kErrorSocket[];
extern const wchar_t kErrorResolve[];
extern const wchar_t kErrorSetsockopt[];
extern const wchar_t kErrorMacText[];
extern const wchar_t kErrorSendto[];

// The host Power ON sends to, as text: the limited broadcast.
constexpr wchar_t kLimitedBroadcastHost[] = L"255.255.255.255";

// Sends one magic packet for the MAC text to the destination host, both ANSI,
// within a session of `startup`. 0 when the datagram was handed to the socket
// layer, -1 after any failure (already reported). The socket is closed and
// the socket layer released on every way out.
int SendMagicPacketVia(SocketStartup& startup, SocketLayer& layer, FailureReport& report,
                       const std::string& macText, const std::string& destination);

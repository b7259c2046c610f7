#pragma once
// The socket-layer calls of one "Power ON", as one small interface so that
// each can be made to fail and the calls that followed can be seen.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "BroadcastDestination.h"
#include "SocketSession.h"

class SocketLayer {
public:
    virtual bool OpenUdpSocket() = 0;          // socket(AF_INET, SOCK_DGRAM, 0)
    virtual void CloseSocket() = 0;            // closesocket
    // gethostbyname: the first IPv4 address, host byte order.
    virtual bool Resolve(const std::string& host, std::uint32_t& address) = 0;
    virtual bool EnableBroadcast() = 0;        // setsockopt SO_BROADCAST = 1
    virtual bool SendTo(const std::vector<std::uint8_t>& datagram, std::uint32_t address, std::uint16_t port) = 0;

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

// The sender's failure kept as text, where no message box may open.
class KeptReport final : public FailureReport {
public:
    explicit KeptReport(std::wstring& text) : m_text(text) {}
    void Show(const wchar_t* text) override { m_text = text; }

private:
    std::wstring& m_text;
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

// The address to send for; none where the text it came from lacked bytes,
// which the sender reports in its turn, after the socket is ready.
using SendMac = std::optional<MacAddress>;

// Power ON's reading of its field's text.
SendMac MacOfField(const std::wstring& text);

// Where a send other than Power ON's own goes: the resolved address itself
// instead of Power ON's broadcast of it, other ports, a password.
struct SendChoice {
    bool exactDestination = false;
    std::vector<std::uint16_t> ports{kWakePort};
    WakePassword password;
};

// Sends one magic packet for `mac` to the destination host (ANSI) within a
// session of `startup`, to each port of `choice` in turn. 0 when the datagram
// was handed to the socket layer for every port, -1 after any failure
// (already reported; nothing further is sent). The socket is closed and the
// socket layer released on every way out. `sentTo`, when given, receives the
// address the datagram went to.
int SendMagicPacketVia(SocketStartup& startup, SocketLayer& layer, FailureReport& report, const SendMac& mac,
                       const std::string& destination, const SendChoice& choice = SendChoice(),
                       std::uint32_t* sentTo = nullptr);

#include "SocketLayer.h"

const wchar_t kErrorStartup[] = L"Error: Socket initialization failed.";
const wchar_t kErrorSocket[] = L"Error: client socket not created";
const wchar_t kErrorResolve[] = L"Error: gethostbyname call failed";
const wchar_t kErrorSetsockopt[] = L"Error: setsockopt call failed";
const wchar_t kErrorMacText[] = L"Error: MAC address incomplete";
const wchar_t kErrorSendto[] = L"Error: sendto call failed";

namespace {

// Closes the socket once, early when a failure wants it closed before its
// message, otherwise on the way out.
class OpenSocket {
public:
    explicit OpenSocket(SocketLayer& layer) : m_layer(layer) {}
    OpenSocket(const OpenSocket&) = delete;
    OpenSocket& operator=(const OpenSocket&) = delete;
    ~OpenSocket() { Close(); }
    void Close() {
        if (m_open) m_layer.CloseSocket();
        m_open = false;
    }

private:
    SocketLayer& m_layer;
    bool m_open = true;
};

}  // namespace

SendMac MacOfField(const std::wstring& text) {
    MacAddress mac{};
    if (!ParseMacAddress(text, mac)) return std::nullopt;
    return mac;
}

int SendMagicPacketVia(SocketStartup& startup, SocketLayer& layer, FailureReport& report, const SendMac& mac,
                       const std::string& destination, const SendChoice& choice, std::uint32_t* sentTo) {
    const SocketSession session(startup, kWinsock2);
    if (!session.Started()) {
        report.Show(kErrorStartup);
        return -1;
    }

    if (!layer.OpenUdpSocket()) {
        report.Show(kErrorSocket);
        return -1;
    }
    OpenSocket socket(layer);

    std::uint32_t resolved = 0;
    if (!layer.Resolve(destination, resolved)) {
        report.Show(kErrorResolve);
        return -1;
    }

    if (!layer.EnableBroadcast()) {
        socket.Close();
        report.Show(kErrorSetsockopt);
        return -1;
    }

    if (!mac) {
        report.Show(kErrorMacText);
        return -1;
    }

    const std::vector<std::uint8_t> datagram = WakeDatagram(*mac, choice.password);
    const std::uint32_t to = choice.exactDestination ? resolved : BroadcastDestination(resolved);
    if (sentTo) *sentTo = to;
    for (const std::uint16_t port : choice.ports) {
        if (!layer.SendTo(datagram, to, port)) {
            report.Show(kErrorSendto);
            return -1;
        }
    }
    return 0;
}

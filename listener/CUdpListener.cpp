#include "CUdpListener.h"

#include "net/SocketAddress.h"
#include "text/AnsiText.h"

namespace {
// The largest datagram UDP over IPv4 can carry; anything longer was cut.
constexpr int kLargestDatagram = 65507;
}  // namespace

void CUdpListener::Open(HWND window, UINT message, const std::vector<std::uint16_t>& ports) {
    m_session = std::make_unique<SocketSession>(m_winsock, kWinsock2);
    const bool started = m_session->Started();
    for (std::uint16_t port : ports) {
        ListenPort listen{port, m_session->Error(), CUdpSocket()};
        if (started) {
            // No SO_REUSEADDR: a port another program holds stays its own.
            CUdpSocket s(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
            const sockaddr_in address = SocketAddress(INADDR_ANY, port);
            if (s.Get() == INVALID_SOCKET ||
                ::bind(s.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
                ::WSAAsyncSelect(s.Get(), window, message, FD_READ) != 0)
                listen.error = ::WSAGetLastError();
            else
                listen.socket = std::move(s);
        }
        m_ports.push_back(std::move(listen));
    }
}

bool CUdpListener::Receive(SOCKET s, Datagram& datagram) {
    for (const ListenPort& listen : m_ports) {
        if (listen.socket.Get() != s || s == INVALID_SOCKET) continue;
        m_buffer.resize(kLargestDatagram);
        sockaddr_in from{};
        int fromLength = sizeof from;
        const int received = ::recvfrom(s, reinterpret_cast<char*>(m_buffer.data()), kLargestDatagram, 0,
                                        reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (received < 0) return false;  // nothing more waiting (WSAEWOULDBLOCK), or a failure
        const char* text = ::inet_ntoa(from.sin_addr);
        datagram.bytes.assign(m_buffer.begin(), m_buffer.begin() + received);
        datagram.fromAddress = text ? FromAnsi(text) : std::wstring();
        datagram.fromPort = ::ntohs(from.sin_port);
        datagram.localPort = listen.port;
        return true;
    }
    return false;
}

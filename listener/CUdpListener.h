#pragma once
// UDP sockets on a few ports of every local address, each reporting arrivals
// to a window as a message (WSAAsyncSelect): no threads. Every socket, and
// the socket layer itself, closes when the listener dies.
#include <winsock2.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/CUdpSocket.h"
#include "net/SocketSession.h"
#include "net/WinsockStartup.h"

struct ListenPort {
    std::uint16_t port;
    int error;  // 0 while listening; else why it could not be opened (WSAE*)
    CUdpSocket socket;
};

struct Datagram {
    std::vector<std::uint8_t> bytes;
    std::wstring fromAddress;  // dotted IPv4 text
    std::uint16_t fromPort = 0;
    std::uint16_t localPort = 0;
};

class CUdpListener {
public:
    CUdpListener() = default;
    CUdpListener(const CUdpListener&) = delete;
    CUdpListener& operator=(const CUdpListener&) = delete;

    // Opens each port; one that cannot be opened does not stop the others.
    // Arrivals come to `window` as `message`, wParam the socket.
    void Open(HWND window, UINT message, const std::vector<std::uint16_t>& ports);
    const std::vector<ListenPort>& Ports() const { return m_ports; }

    // The next datagram waiting on the socket; false when none is.
    bool Receive(SOCKET s, Datagram& datagram);

private:
    WinsockStartup m_winsock;
    std::unique_ptr<SocketSession> m_session;
    std::vector<ListenPort> m_ports;  // after the session: every socket closes before it ends
    std::vector<std::uint8_t> m_buffer;
};

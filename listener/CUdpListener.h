#pragma once
// UDP sockets on a few ports of every local address, each reporting arrivals
// to a window as a message (WSAAsyncSelect): no threads. Every socket, and
// the socket layer itself, closes when the listener dies.
#include <winsock2.h>

#include <cstdint>
#include <string>
#include <vector>

// One socket, closed by its owner; move-only.
class CUdpSocket {
public:
    CUdpSocket() = default;
    explicit CUdpSocket(SOCKET s) : m_socket(s) {}
    CUdpSocket(CUdpSocket&& other) noexcept : m_socket(other.m_socket) { other.m_socket = INVALID_SOCKET; }
    CUdpSocket& operator=(CUdpSocket&& other) noexcept;
    CUdpSocket(const CUdpSocket&) = delete;
    CUdpSocket& operator=(const CUdpSocket&) = delete;
    ~CUdpSocket() { Close(); }

    SOCKET Get() const { return m_socket; }
    void Close();

private:
    SOCKET m_socket = INVALID_SOCKET;
};

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
    ~CUdpListener();

    // Opens each port; one that cannot be opened does not stop the others.
    // Arrivals come to `window` as `message`, wParam the socket.
    void Open(HWND window, UINT message, const std::vector<std::uint16_t>& ports);
    const std::vector<ListenPort>& Ports() const { return m_ports; }

    // The next datagram waiting on the socket; false when none is.
    bool Receive(SOCKET s, Datagram& datagram);

private:
    bool m_bStarted = false;  // the socket layer, ended once by the destructor
    std::vector<ListenPort> m_ports;
    std::vector<std::uint8_t> m_buffer;
};

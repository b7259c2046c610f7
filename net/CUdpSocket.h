#pragma once
#include <winsock2.h>

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
    bool IsOpen() const { return m_socket != INVALID_SOCKET; }
    void Close();

private:
    SOCKET m_socket = INVALID_SOCKET;
};

#pragma once
#include <winsock2.h>

#include "framework/COwned.h"

struct SocketKind {
    using Handle = SOCKET;
    static Handle Empty() { return INVALID_SOCKET; }
    static bool Close(Handle s) { return ::closesocket(s) == 0; }
};

// One socket, closed by its owner; move-only.
class CUdpSocket {
public:
    CUdpSocket() = default;
    explicit CUdpSocket(SOCKET s) : m_socket(s) {}

    SOCKET Get() const { return m_socket.Get(); }
    bool IsOpen() const { return m_socket.IsSet(); }
    void Close() { m_socket.Reset(); }

private:
    COwned<SocketKind> m_socket;
};

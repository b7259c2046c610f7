#pragma once
#include "SocketLayer.h"
#include "CUdpSocket.h"

// The real Windows Sockets calls of one "Power ON".
class WinsockLayer final : public SocketLayer {
public:
    bool OpenUdpSocket() override;
    void CloseSocket() override { m_socket.Close(); }
    bool Resolve(const std::string& host, std::uint32_t& address) override;
    bool EnableBroadcast() override;
    bool SendTo(const std::vector<std::uint8_t>& datagram, std::uint32_t address, std::uint16_t port) override;

private:
    CUdpSocket m_socket;
};

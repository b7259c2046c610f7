#pragma once
#include "SocketLayer.h"
#include "common/CUdpSocket.h"
#include "common/WinsockStartup.h"

// The real Windows Sockets calls of one "Power ON".
class WinsockLayer final : public SocketLayer {
public:
    int Startup(std::uint16_t version) override { return m_winsock.Startup(version); }
    void Cleanup() override { m_winsock.Cleanup(); }
    bool OpenUdpSocket() override;
    void CloseSocket() override { m_socket.Close(); }
    bool Resolve(const std::string& host, std::uint32_t& address) override;
    bool EnableBroadcast() override;
    bool SendTo(const MagicPacket& packet, std::uint32_t address, std::uint16_t port) override;

private:
    WinsockStartup m_winsock;
    CUdpSocket m_socket;
};

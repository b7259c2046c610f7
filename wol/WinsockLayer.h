#pragma once
#include <winsock2.h>

#include "SocketLayer.h"

// The real Windows Sockets calls of one "Power ON".
class WinsockLayer final : public SocketLayer {
public:
    bool Startup() override;
    void Cleanup() override;
    bool OpenUdpSocket() override;
    void CloseSocket() override;
    bool Resolve(const std::string& host, std::uint32_t& address) override;
    bool EnableBroadcast() override;
    bool SendTo(const MagicPacket& packet, std::uint32_t address, std::uint16_t port) override;
    void ShowError(const wchar_t* text) override;

private:
    SOCKET m_socket = INVALID_SOCKET;
};

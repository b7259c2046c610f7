#include "WinsockLayer.h"

#include "HostEntry.h"
#include "SocketAddress.h"

bool WinsockLayer::OpenUdpSocket() {
    m_socket = CUdpSocket(::socket(AF_INET, SOCK_DGRAM, 0));
    return m_socket.IsOpen();
}

bool WinsockLayer::Resolve(const std::string& host, std::uint32_t& address) {
    return LookUpFirstIpv4(host.c_str(), address);
}

bool WinsockLayer::EnableBroadcast() {
    const int enable = 1;
    return ::setsockopt(m_socket.Get(), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&enable),
                        sizeof enable) != SOCKET_ERROR;
}

bool WinsockLayer::SendTo(const std::vector<std::uint8_t>& datagram, std::uint32_t address, std::uint16_t port) {
    const sockaddr_in destination = SocketAddress(address, port);
    return ::sendto(m_socket.Get(), reinterpret_cast<const char*>(datagram.data()), static_cast<int>(datagram.size()), 0,
                    reinterpret_cast<const sockaddr*>(&destination), sizeof destination) != SOCKET_ERROR;
}

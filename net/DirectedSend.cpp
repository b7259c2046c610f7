#include "DirectedSend.h"

#include <winsock2.h>

#include "CUdpSocket.h"
#include "SocketAddress.h"

SendResult SendDirected(const MagicPacket& packet, std::uint32_t from, std::uint32_t to,
                 std::initializer_list<std::uint16_t> ports) {
    return SendDirected(std::vector<std::uint8_t>(packet.begin(), packet.end()), from, to, ports);
}

SendResult SendDirected(const std::vector<std::uint8_t>& datagram, std::uint32_t from, std::uint32_t to,
                        const std::vector<std::uint16_t>& ports) {
    const CUdpSocket s(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!s.IsOpen()) return SendResult(::WSAGetLastError());
    const sockaddr_in own = SocketAddress(from, 0);
    const int enable = 1;
    if (::bind(s.Get(), reinterpret_cast<const sockaddr*>(&own), sizeof own) != 0 ||
        ::setsockopt(s.Get(), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&enable), sizeof enable) != 0)
        return SendResult(::WSAGetLastError());
    for (const std::uint16_t port : ports) {
        const sockaddr_in destination = SocketAddress(to, port);
        if (::sendto(s.Get(), reinterpret_cast<const char*>(datagram.data()), static_cast<int>(datagram.size()), 0,
                     reinterpret_cast<const sockaddr*>(&destination), sizeof destination) == SOCKET_ERROR)
            return SendResult(::WSAGetLastError());
    }
    return SendResult(0);
}

#pragma once
// An IPv4 socket address as bind and sendto take it, from an address and a
// port in host byte order.
#include <winsock2.h>

#include <cstdint>

inline sockaddr_in SocketAddress(std::uint32_t address, std::uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = ::htons(port);
    a.sin_addr.s_addr = ::htonl(address);
    return a;
}

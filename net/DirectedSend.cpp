#include "DirectedSend.h"

#include <winsock2.h>

#include "CUdpSocket.h"
#include "text/TextArgs.h"

namespace {

sockaddr_in AddressOf(std::uint32_t address, std::uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = ::htons(port);
    a.sin_addr.s_addr = ::htonl(address);
    return a;
}

}  // namespace

int SendDirected(const MagicPacket& packet, std::uint32_t from, std::uint32_t to,
                 std::initializer_list<std::uint16_t> ports) {
    const CUdpSocket s(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!s.IsOpen()) return ::WSAGetLastError();
    const sockaddr_in own = AddressOf(from, 0);
    const int enable = 1;
    if (::bind(s.Get(), reinterpret_cast<const sockaddr*>(&own), sizeof own) != 0 ||
        ::setsockopt(s.Get(), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&enable), sizeof enable) != 0)
        return ::WSAGetLastError();
    for (const std::uint16_t port : ports) {
        const sockaddr_in destination = AddressOf(to, port);
        if (::sendto(s.Get(), reinterpret_cast<const char*>(packet.data()), static_cast<int>(packet.size()), 0,
                     reinterpret_cast<const sockaddr*>(&destination), sizeof destination) == SOCKET_ERROR)
            return ::WSAGetLastError();
    }
    return 0;
}

std::wstring SocketErrorText(int error) {
    wchar_t text[256] = {};
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                          static_cast<DWORD>(error), 0, text, 256, nullptr);
    std::wstring message(text, length < 256 ? length : 0);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    const std::wstring number = DecimalText(static_cast<unsigned long>(error));
    return message.empty() ? number : number + L" " + message;
}

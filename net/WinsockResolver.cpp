#include "WinsockResolver.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <vector>

#include "AddrInfoCompat.h"
#include "HostEntry.h"
#include "text/AnsiText.h"

bool WinsockResolver::HostName(std::string& name, std::size_t capacity) {
    std::vector<char> buffer(capacity, '\0');
    if (::gethostname(buffer.data(), static_cast<int>(capacity)) != 0) return false;
    buffer.back() = '\0';
    name = buffer.data();
    return true;
}

HostResolver::Lookup WinsockResolver::FirstIPv4(const std::string& host, std::wstring& dotted) {
    std::vector<in_addr> addresses;
    const HostLookup found = LookUpHost(host.c_str(), addresses);
    if (found == HostLookup::NoHost) return Lookup::NoHost;
    // An entry without an address, or of another family, gives no IPv4 text.
    if (found == HostLookup::NotIpv4 || addresses.empty()) return Lookup::NoAddress;
    const char* text = ::inet_ntoa(addresses[0]);
    if (!text) return Lookup::NoAddress;
    dotted = FromAnsi(text);
    return Lookup::Found;
}

int WinsockResolver::LastIPv6(const std::string& host, std::wstring& text) {
    addrinfo hints{};
    hints.ai_flags = AI_PASSIVE;
    hints.ai_family = AF_INET6;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    const int code = AddrInfo().getaddrinfo(host.c_str(), nullptr, &hints, &found);
    ::WSASetLastError(code);
    if (code != 0) return code;
    const AddrInfoList list(found);

    const addrinfo* last = list.Get();
    while (last && last->ai_next) last = last->ai_next;

    char buffer[256] = {};
    DWORD length = 255;
    if (last && ::WSAAddressToStringA(last->ai_addr, static_cast<DWORD>(last->ai_addrlen), nullptr, buffer, &length) == 0)
        text = FromAnsi(buffer);
    return 0;
}

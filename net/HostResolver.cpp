#include "HostResolver.h"

#include "SocketSession.h"

bool QueryHostIPv4Address(SocketStartup& startup, HostResolver& resolver, std::wstring& text) {
    text.clear();
    const SocketSession session(startup, kWinsock1);
    if (!session.Started()) return false;

    std::string host;
    if (!resolver.HostName(host, 80)) return true;

    std::wstring dotted;
    if (resolver.FirstIPv4(host, dotted) != HostResolver::Lookup::Found || dotted.empty()) return false;
    text = dotted;
    return true;
}

bool QueryHostIPv6Address(SocketStartup& startup, HostResolver& resolver, std::wstring& text) {
    const SocketSession session(startup, kWinsock2);
    if (!session.Started()) return false;
    text.clear();

    std::string host;
    if (!resolver.HostName(host, 256)) return false;

    std::wstring address;
    if (resolver.LastIPv6(host, address) != 0 || address.empty()) return false;
    text = address;
    return true;
}

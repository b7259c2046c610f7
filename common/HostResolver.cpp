#include "HostResolver.h"

#include "SocketSession.h"

bool QueryHostIPv4Address(HostResolver& resolver, std::wstring& text) {
    text.clear();
    const SocketSession session(resolver, 0x0101);
    if (!session.Started()) return false;

    std::string host;
    if (!resolver.HostName(host, 80)) return true;

    std::wstring dotted;
    if (resolver.FirstIPv4(host, dotted) != HostResolver::Lookup::Found || dotted.empty()) return false;
    text = dotted;
    return true;
}

bool QueryHostIPv6Address(HostResolver& resolver, std::wstring& text) {
    const SocketSession session(resolver, 0x0202);
    if (!session.Started()) return false;
    text.clear();

    std::string host;
    if (!resolver.HostName(host, 256)) return false;

    std::wstring address;
    if (resolver.LastIPv6(host, address) != 0 || address.empty()) return false;
    text = address;
    return true;
}

void QueryLocalAddress(HostResolver& resolver, std::wstring& text) {
    if (QueryHostIPv4Address(resolver, text) && text != L"127.0.0.1") return;
    QueryHostIPv6Address(resolver, text);
}

#pragma once
// The socket-layer calls behind the local-address queries, as one small
// interface so that the order of calls and every failure can be exercised
// without a network. Texts come back already converted to UTF-16.
#include <cstddef>
#include <cstdint>
#include <string>

#include "SocketSession.h"

class HostResolver {
public:
    enum class Lookup { NoHost, NoAddress, Found };

    // gethostname into a buffer of `capacity` bytes.
    virtual bool HostName(std::string& name, std::size_t capacity) = 0;
    // gethostbyname, then inet_ntoa of the first address.
    virtual Lookup FirstIPv4(const std::string& host, std::wstring& dotted) = 0;
    // getaddrinfo for IPv6; its result code (0 on success, stored with
    // WSASetLastError). On success `text` is the last entry as text, or empty
    // when that entry could not be turned into text.
    virtual int LastIPv6(const std::string& host, std::wstring& text) = 0;

protected:
    ~HostResolver() = default;
};

// The first IPv4 address of this host's name, within a session of `startup`.
// False when the socket layer cannot start or the name does not resolve to
// an address; an unreadable host name counts as success with empty text.
bool QueryHostIPv4Address(SocketStartup& startup, HostResolver& resolver, std::wstring& text);

// The last IPv6 address of this host's name; false when none was written
// (`text` is then left empty, or untouched if the socket layer did not start).
bool QueryHostIPv6Address(SocketStartup& startup, HostResolver& resolver, std::wstring& text);

// The address this computer's own name resolves to, from the two queries of
// `host` (GetHostIPv4Address, GetHostIPv6Address): IPv4 first, IPv6 when that
// fails or gives exactly "127.0.0.1". Empty when none is known.
template <class HostQueries>
void QueryLocalAddress(HostQueries& host, std::wstring& text) {
    if (host.GetHostIPv4Address(text) && text != L"127.0.0.1") return;
    host.GetHostIPv6Address(text);
}

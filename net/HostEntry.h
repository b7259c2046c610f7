#pragma once
// The one IPv4 name lookup (gethostbyname, Windows 2000 and later), read in
// one place: Power ON's sender, the own-MAC query, Wake and wait's worker
// and the getaddrinfo emulation all take its answer from here.
#include <winsock2.h>

#include <cstdint>
#include <string>
#include <vector>

enum class HostLookup {
    NoHost,   // no entry: the name is unknown
    NotIpv4,  // an entry of another family or address length
    Found,    // an IPv4 entry; its list of addresses may still be empty
};

// The entry's IPv4 addresses in its own order, as the entry holds them.
HostLookup LookUpHost(const char* host, std::vector<in_addr>& addresses);

// The entry's first IPv4 address, host order; false when there is none.
bool LookUpFirstIpv4(const char* host, std::uint32_t& address);

// The name an IPv4 address (host order) resolves back to (gethostbyaddr,
// Windows 2000 and later), in the system's code page; false when none does.
bool LookUpReverseName(std::uint32_t address, std::string& name);

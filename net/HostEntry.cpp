#include "HostEntry.h"

#include <cstring>

HostLookup LookUpHost(const char* host, std::vector<in_addr>& addresses) {
    addresses.clear();
    const hostent* entry = ::gethostbyname(host);
    if (!entry) return HostLookup::NoHost;
    if (entry->h_addrtype != AF_INET || entry->h_length != 4) return HostLookup::NotIpv4;
    for (char** a = entry->h_addr_list; a && *a; ++a) {
        in_addr address{};
        std::memcpy(&address, *a, sizeof address);
        addresses.push_back(address);
    }
    return HostLookup::Found;
}

bool LookUpFirstIpv4(const char* host, std::uint32_t& address) {
    std::vector<in_addr> addresses;
    if (LookUpHost(host, addresses) != HostLookup::Found || addresses.empty()) return false;
    address = ::ntohl(addresses[0].s_addr);
    return true;
}

bool LookUpReverseName(std::uint32_t address, std::string& name) {
    in_addr a{};
    a.s_addr = ::htonl(address);
    const hostent* entry = ::gethostbyaddr(reinterpret_cast<const char*>(&a), sizeof a, AF_INET);
    if (!entry || !entry->h_name || !*entry->h_name) return false;
    name = entry->h_name;
    return true;
}

#include "AddrInfoCompat.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "HostEntry.h"
#include "framework/SystemLibrary.h"

namespace {

// One entry and its address in one block, so one delete frees both.
struct EmulatedEntry {
    addrinfo info;
    sockaddr_in address;
};

addrinfo* NewEntry(const addrinfo* hints, in_addr address, u_short portNetworkOrder) {
    auto* entry = new EmulatedEntry{};
    entry->address.sin_family = AF_INET;
    entry->address.sin_port = portNetworkOrder;
    entry->address.sin_addr = address;
    entry->info.ai_family = AF_INET;
    entry->info.ai_socktype = hints ? hints->ai_socktype : 0;
    entry->info.ai_protocol = hints ? hints->ai_protocol : 0;
    entry->info.ai_addrlen = sizeof entry->address;
    entry->info.ai_addr = reinterpret_cast<sockaddr*>(&entry->address);
    return &entry->info;
}

bool NumericPort(const char* service, u_short& portNetworkOrder) {
    portNetworkOrder = 0;
    if (!service) return true;
    char* end = nullptr;
    const unsigned long port = std::strtoul(service, &end, 10);
    if (*service == '\0' || *end != '\0' || port > 65535) return false;
    portNetworkOrder = ::htons(static_cast<u_short>(port));
    return true;
}

}  // namespace

int WSAAPI EmulatedGetAddrInfo(const char* node, const char* service, const addrinfo* hints, addrinfo** result) {
    *result = nullptr;
    const int family = hints ? hints->ai_family : AF_UNSPEC;
    if (family != AF_UNSPEC && family != AF_INET) return WSAEAFNOSUPPORT;
    u_short port = 0;
    if (!NumericPort(service, port)) return WSATYPE_NOT_FOUND;
    if (!node) {
        const bool passive = hints && (hints->ai_flags & AI_PASSIVE);
        in_addr any{};
        any.s_addr = ::htonl(passive ? INADDR_ANY : INADDR_LOOPBACK);
        *result = NewEntry(hints, any, port);
        return 0;
    }
    std::vector<in_addr> addresses;
    if (LookUpHost(node, addresses) != HostLookup::Found) return WSAHOST_NOT_FOUND;
    addrinfo** tail = result;
    for (const in_addr& address : addresses) {
        *tail = NewEntry(hints, address, port);
        tail = &(*tail)->ai_next;
    }
    return *result ? 0 : WSANO_DATA;
}

void WSAAPI EmulatedFreeAddrInfo(addrinfo* list) {
    while (list) {
        addrinfo* next = list->ai_next;
        delete reinterpret_cast<EmulatedEntry*>(list);  // info is the block's first member
        list = next;
    }
}

FARPROC SystemProcSource::Find(const wchar_t* library, const char* name) {
    return FindSystemProc(library, name);
}

AddrInfoApi FindAddrInfoApi(ProcSource& source) {
    for (const wchar_t* library : {L"ws2_32.dll", L"wship6.dll"}) {
        const FARPROC get = source.Find(library, "getaddrinfo");
        const FARPROC free = source.Find(library, "freeaddrinfo");
        if (get && free)
            return {SystemProcAs<decltype(AddrInfoApi::getaddrinfo)>(get), SystemProcAs<decltype(AddrInfoApi::freeaddrinfo)>(free)};
    }
    return {&EmulatedGetAddrInfo, &EmulatedFreeAddrInfo};
}

const AddrInfoApi& AddrInfo() {
    static const AddrInfoApi api = [] {
        SystemProcSource system;
        return FindAddrInfoApi(system);
    }();
    return api;
}

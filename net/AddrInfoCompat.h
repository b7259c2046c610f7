#pragma once
// getaddrinfo and freeaddrinfo, found at run time: Windows 2000 has neither in
// ws2_32.dll (its IPv6 preview kept them in wship6.dll), and a program that
// imports them directly does not start there. Where no system library has
// them, an IPv4-only emulation over gethostbyname stands in, answering an
// IPv6 request as a system without IPv6 does.
//
// Not the toolchain's own layer (wspiapi): its objects import gethostbyname
// and friends from ws2_32.dll directly, which would load the socket library
// at start, and it loads libraries without the altered search path.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "framework/COwned.h"

struct AddrInfoApi {
    int(WSAAPI* getaddrinfo)(const char* node, const char* service, const addrinfo* hints, addrinfo** result);
    void(WSAAPI* freeaddrinfo)(addrinfo* list);
};

// Where the functions are looked for: a library's export by name, or null.
class ProcSource {
public:
    virtual FARPROC Find(const wchar_t* library, const char* name) = 0;

protected:
    ~ProcSource() = default;
};

// The system folder's libraries.
class SystemProcSource final : public ProcSource {
public:
    FARPROC Find(const wchar_t* library, const char* name) override;
};

// ws2_32.dll first, then wship6.dll, each pair taken whole; else the emulation.
AddrInfoApi FindAddrInfoApi(ProcSource& source);

// The pair this process uses, found at first use.
const AddrInfoApi& AddrInfo();

// The emulation: AF_INET and AF_UNSPEC through gethostbyname, a numeric
// service only; AF_INET6 gives WSAEAFNOSUPPORT.
int WSAAPI EmulatedGetAddrInfo(const char* node, const char* service, const addrinfo* hints, addrinfo** result);
void WSAAPI EmulatedFreeAddrInfo(addrinfo* list);

// A list the pair in use gave, freed with that pair's freeaddrinfo.
struct AddrInfoKind {
    using Handle = addrinfo*;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle list) {
        AddrInfo().freeaddrinfo(list);
        return true;
    }
};
using AddrInfoList = COwned<AddrInfoKind>;

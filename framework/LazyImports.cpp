// Linked into the program in place of the import libraries of ws2_32.dll and
// iphlpapi.dll (the tests link the real ones). Nothing needs either library
// before the first send or the own-MAC dialog, and loading them, with the
// libraries they pull in, at start costs start-up time and memory. Each
// stand-in loads its library at its first call and passes the call on; where
// the library or the function cannot be found, the call fails the way the
// real function reports a failure, so every failure path stays the one the
// caller already handles.
#include <winsock2.h>
#include <iphlpapi.h>

#include "SystemLibrary.h"

namespace {

template <class Fn>
Fn Ws2(const char* name) {
    return FindSystemProc<Fn>(L"ws2_32.dll", name);
}

template <class Fn>
Fn IpHelper(const char* name) {
    return FindSystemProc<Fn>(L"iphlpapi.dll", name);
}

u_long Swap32(u_long v) {
    return ((v & 0xFF) << 24) | ((v & 0xFF00) << 8) | ((v >> 8) & 0xFF00) | ((v >> 24) & 0xFF);
}

}  // namespace

extern "C" {

// Byte order needs no library.
u_long WSAAPI htonl(u_long v) { return Swap32(v); }
u_long WSAAPI ntohl(u_long v) { return Swap32(v); }
u_short WSAAPI htons(u_short v) { return static_cast<u_short>((v << 8) | (v >> 8)); }
u_short WSAAPI ntohs(u_short v) { return static_cast<u_short>((v << 8) | (v >> 8)); }

int WSAAPI WSAStartup(WORD version, LPWSADATA data) {
    static const auto fn = Ws2<decltype(&WSAStartup)>("WSAStartup");
    return fn ? fn(version, data) : WSASYSNOTREADY;
}

int WSAAPI WSACleanup() {
    static const auto fn = Ws2<decltype(&WSACleanup)>("WSACleanup");
    return fn ? fn() : SOCKET_ERROR;
}

int WSAAPI WSAGetLastError() {
    static const auto fn = Ws2<decltype(&WSAGetLastError)>("WSAGetLastError");
    return fn ? fn() : WSANOTINITIALISED;
}

int WSAAPI WSAAsyncSelect(SOCKET s, HWND window, u_int message, long events) {
    static const auto fn = Ws2<decltype(&WSAAsyncSelect)>("WSAAsyncSelect");
    return fn ? fn(s, window, message, events) : SOCKET_ERROR;
}

int WSAAPI bind(SOCKET s, const sockaddr* address, int length) {
    static const auto fn = Ws2<decltype(&bind)>("bind");
    return fn ? fn(s, address, length) : SOCKET_ERROR;
}

int WSAAPI recvfrom(SOCKET s, char* data, int length, int flags, sockaddr* from, int* fromLength) {
    static const auto fn = Ws2<decltype(&recvfrom)>("recvfrom");
    return fn ? fn(s, data, length, flags, from, fromLength) : SOCKET_ERROR;
}

void WSAAPI WSASetLastError(int error) {
    static const auto fn = Ws2<decltype(&WSASetLastError)>("WSASetLastError");
    if (fn) fn(error);
}

INT WSAAPI WSAAddressToStringA(LPSOCKADDR address, DWORD length, LPWSAPROTOCOL_INFOA info, LPSTR text, LPDWORD textLength) {
    static const auto fn = Ws2<decltype(&WSAAddressToStringA)>("WSAAddressToStringA");
    return fn ? fn(address, length, info, text, textLength) : SOCKET_ERROR;
}

SOCKET WSAAPI socket(int af, int type, int protocol) {
    static const auto fn = Ws2<decltype(&socket)>("socket");
    return fn ? fn(af, type, protocol) : INVALID_SOCKET;
}

int WSAAPI setsockopt(SOCKET s, int level, int name, const char* value, int length) {
    static const auto fn = Ws2<decltype(&setsockopt)>("setsockopt");
    return fn ? fn(s, level, name, value, length) : SOCKET_ERROR;
}

int WSAAPI sendto(SOCKET s, const char* data, int length, int flags, const sockaddr* to, int toLength) {
    static const auto fn = Ws2<decltype(&sendto)>("sendto");
    return fn ? fn(s, data, length, flags, to, toLength) : SOCKET_ERROR;
}

int WSAAPI closesocket(SOCKET s) {
    static const auto fn = Ws2<decltype(&closesocket)>("closesocket");
    return fn ? fn(s) : SOCKET_ERROR;
}

int WSAAPI gethostname(char* name, int length) {
    static const auto fn = Ws2<decltype(&gethostname)>("gethostname");
    return fn ? fn(name, length) : SOCKET_ERROR;
}

hostent* WSAAPI gethostbyname(const char* name) {
    static const auto fn = Ws2<decltype(&gethostbyname)>("gethostbyname");
    return fn ? fn(name) : nullptr;
}

hostent* WSAAPI gethostbyaddr(const char* address, int length, int type) {
    static const auto fn = Ws2<decltype(&gethostbyaddr)>("gethostbyaddr");
    return fn ? fn(address, length, type) : nullptr;
}

int WSAAPI select(int count, fd_set* read, fd_set* write, fd_set* except, const PTIMEVAL timeout) {
    static const auto fn = Ws2<decltype(&select)>("select");
    return fn ? fn(count, read, write, except, timeout) : SOCKET_ERROR;
}

int WSAAPI __WSAFDIsSet(SOCKET s, fd_set* set) {
    static const auto fn = Ws2<decltype(&__WSAFDIsSet)>("__WSAFDIsSet");
    return fn ? fn(s, set) : 0;
}

char* WSAAPI inet_ntoa(in_addr address) {
    static const auto fn = Ws2<decltype(&inet_ntoa)>("inet_ntoa");
    return fn ? fn(address) : nullptr;
}

ULONG WINAPI GetAdaptersInfo(PIP_ADAPTER_INFO info, PULONG size) {
    static const auto fn = IpHelper<decltype(&GetAdaptersInfo)>("GetAdaptersInfo");
    return fn ? fn(info, size) : ERROR_NOT_SUPPORTED;
}

DWORD WINAPI GetIfEntry(PMIB_IFROW row) {
    static const auto fn = IpHelper<decltype(&GetIfEntry)>("GetIfEntry");
    return fn ? fn(row) : ERROR_NOT_SUPPORTED;
}

DWORD WINAPI GetIpNetTable(PMIB_IPNETTABLE table, PULONG size, BOOL sorted) {
    static const auto fn = IpHelper<decltype(&GetIpNetTable)>("GetIpNetTable");
    return fn ? fn(table, size, sorted) : ERROR_NOT_SUPPORTED;
}

DWORD WINAPI SendARP(IPAddr destination, IPAddr source, PVOID mac, PULONG length) {
    static const auto fn = IpHelper<decltype(&SendARP)>("SendARP");
    return fn ? fn(destination, source, mac, length) : ERROR_NOT_SUPPORTED;
}

DWORD WINAPI GetBestInterface(IPAddr destination, PDWORD index) {
    static const auto fn = IpHelper<decltype(&GetBestInterface)>("GetBestInterface");
    return fn ? fn(destination, index) : ERROR_NOT_SUPPORTED;
}

}  // extern "C"

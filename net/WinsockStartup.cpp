#include "WinsockStartup.h"

#include <winsock2.h>

int WinsockStartup::Startup(std::uint16_t version) {
    WSADATA data{};
    return ::WSAStartup(version, &data);
}

void WinsockStartup::Cleanup() {
    ::WSACleanup();
}

#include "WinsockStartup.h"

#include <winsock2.h>

namespace {

// One start or end of the socket layer at a time, whichever thread asks.
// Wine counts starts without a lock, and the WSACleanup that brings the
// count to zero closes every socket of the process: a worker's end racing
// the dialog's start could lose a count, or close the dialog's new socket
// before its sendto. In turn, an end reaches zero only when no session is
// left, and has closed what it closes before the next start returns.
volatile LONG g_layerBusy = 0;

class LayerTurn {
public:
    LayerTurn() {
        while (::InterlockedExchange(&g_layerBusy, 1) != 0) ::Sleep(0);
    }
    ~LayerTurn() { ::InterlockedExchange(&g_layerBusy, 0); }
    LayerTurn(const LayerTurn&) = delete;
    LayerTurn& operator=(const LayerTurn&) = delete;
};

}  // namespace

int WinsockStartup::Startup(std::uint16_t version) {
    const LayerTurn turn;
    WSADATA data{};
    return ::WSAStartup(version, &data);
}

void WinsockStartup::Cleanup() {
    const LayerTurn turn;
    ::WSACleanup();
}

#pragma once
#include "SocketSession.h"

// The system's own start and end of the socket layer, one thread at a time.
class WinsockStartup final : public SocketStartup {
public:
    int Startup(std::uint16_t version) override;
    void Cleanup() override;
};

#pragma once
// The one way this program starts and ends the socket layer (WSAStartup and
// WSACleanup), whoever uses it: the sender, the address queries, the listener.
#include <cstdint>

constexpr std::uint16_t kWinsock1 = 0x0101;  // what gethostbyname needs
constexpr std::uint16_t kWinsock2 = 0x0202;

class SocketStartup {
public:
    // WSAStartup: 0, or the reason it failed (WSAE*).
    virtual int Startup(std::uint16_t version) = 0;
    virtual void Cleanup() = 0;                       // WSACleanup

protected:
    ~SocketStartup() = default;
};

// A started socket layer, ended exactly once on every way out of its scope;
// nothing is ended when the start failed.
class SocketSession {
public:
    SocketSession(SocketStartup& layer, std::uint16_t version) : m_layer(layer), m_error(layer.Startup(version)) {}
    SocketSession(const SocketSession&) = delete;
    SocketSession& operator=(const SocketSession&) = delete;
    ~SocketSession() {
        if (Started()) m_layer.Cleanup();
    }

    bool Started() const { return m_error == 0; }
    int Error() const { return m_error; }

private:
    SocketStartup& m_layer;
    const int m_error;
};

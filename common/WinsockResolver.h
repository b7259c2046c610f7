#pragma once
#include "HostResolver.h"
#include "WinsockStartup.h"

// The real socket-layer calls behind the local-address queries.
class WinsockResolver final : public HostResolver {
public:
    int Startup(std::uint16_t version) override { return m_winsock.Startup(version); }
    void Cleanup() override { m_winsock.Cleanup(); }
    bool HostName(std::string& name, std::size_t capacity) override;
    Lookup FirstIPv4(const std::string& host, std::wstring& dotted) override;
    int LastIPv6(const std::string& host, std::wstring& text) override;

private:
    WinsockStartup m_winsock;
};

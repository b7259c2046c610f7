#pragma once
#include "HostResolver.h"

// The real socket-layer calls behind the local-address queries.
class WinsockResolver final : public HostResolver {
public:
    bool HostName(std::string& name, std::size_t capacity) override;
    Lookup FirstIPv4(const std::string& host, std::wstring& dotted) override;
    int LastIPv6(const std::string& host, std::wstring& text) override;
};

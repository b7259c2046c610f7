#pragma once
// One saved PC, as its line in the list holds it. Platform-free.
#include <cstdint>
#include <string>

#include "net/MacAddress.h"

struct SavedPc {
    std::wstring name;         // unique, compared without case
    MacAddress mac{};
    std::wstring address;      // where it answers when on: IPv4 or a name; may be empty
    std::wstring destination;  // where the packet goes: empty for the usual broadcasts
    std::uint16_t port = 0;    // 0: the usual ports
    std::wstring password;     // as written: empty, a MAC's form or an IPv4's

    bool operator==(const SavedPc& other) const {
        return name == other.name && mac == other.mac && address == other.address &&
               destination == other.destination && port == other.port && password == other.password;
    }
};

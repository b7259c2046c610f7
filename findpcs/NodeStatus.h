#pragma once
// The NetBIOS node status request (UDP 137), which Windows PCs answer with
// the names they hold even where their firewall drops pings, and its answer.
// Platform-free.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "net/MacAddress.h"

constexpr unsigned short kNetBiosNamePort = 137;
constexpr std::size_t kNodeStatusRequestBytes = 50;

// A node status request for the wildcard name "*" with this transaction id.
std::vector<std::uint8_t> NodeStatusRequest(std::uint16_t id);

struct NodeStatus {
    std::wstring name;   // the computer's own name: its unique workstation name, else its first unique name
    bool hasMac = false; // the answer's unit id; Samba sends zeros
    MacAddress mac{};
};

// The answer to request `id`; false for anything else or anything cut short.
bool ParseNodeStatus(const std::uint8_t* data, std::size_t length, std::uint16_t id, NodeStatus& status);

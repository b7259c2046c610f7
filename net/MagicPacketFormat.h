#pragma once
// The magic packet's wire format, which the sender writes and the listener
// reads, and the ports it travels to. Platform-free.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "MacAddress.h"

constexpr std::size_t kMagicPacketSize = 102;  // six 0xFF bytes, sixteen addresses

using MagicPacket = std::array<std::uint8_t, kMagicPacketSize>;

constexpr std::uint16_t kWakePort = 40000;   // where Power ON sends
constexpr std::uint16_t kDiscardPort = 9;    // the port most other senders use
constexpr std::uint16_t kEchoPort = 7;       // the port a few older senders use

// Six bytes 0xFF, then the address sixteen times.
MagicPacket BuildMagicPacket(const MacAddress& mac);

// The SecureOn password some cards check after the sixteen addresses: none,
// four bytes or six.
using WakePassword = std::vector<std::uint8_t>;

// The datagram's bytes: the packet, then the password (102, 106 or 108).
std::vector<std::uint8_t> WakeDatagram(const MacAddress& mac, const WakePassword& password);

#pragma once
// The magic packet's wire format, which the sender writes and the listener
// reads. Platform-free.
#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::size_t kMacBytes = 6;
constexpr std::size_t kMagicPacketSize = 102;  // six 0xFF bytes, sixteen addresses

using MacAddress = std::array<std::uint8_t, kMacBytes>;
using MagicPacket = std::array<std::uint8_t, kMagicPacketSize>;

#include "MagicPacketFormat.h"

MagicPacket BuildMagicPacket(const MacAddress& mac) {
    MagicPacket packet{};
    for (std::size_t i = 0; i < kMacBytes; ++i) packet[i] = 0xFF;
    for (std::size_t copy = 0; copy < 16; ++copy) {
        for (std::size_t i = 0; i < kMacBytes; ++i) packet[kMacBytes + copy * kMacBytes + i] = mac[i];
    }
    return packet;
}

std::vector<std::uint8_t> WakeDatagram(const MacAddress& mac, const WakePassword& password) {
    const MagicPacket packet = BuildMagicPacket(mac);
    std::vector<std::uint8_t> bytes(packet.begin(), packet.end());
    bytes.insert(bytes.end(), password.begin(), password.end());
    return bytes;
}

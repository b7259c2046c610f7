#include "MagicPacketMatch.h"

namespace {

bool IsMagicPacketAt(const std::uint8_t* p) {
    for (std::size_t i = 0; i < kMacBytes; ++i)
        if (p[i] != 0xFF) return false;
    const std::uint8_t* mac = p + kMacBytes;
    for (std::size_t i = kMacBytes; i < kMagicPacketSize; ++i)
        if (p[i] != mac[i % kMacBytes]) return false;
    return true;
}

}  // namespace

bool FindMagicPacket(const std::uint8_t* data, std::size_t size, MagicPacketMatch& match) {
    // The packet ends the datagram, or a password does: only three places
    // can hold it, whatever header comes first.
    for (std::size_t password : {std::size_t{0}, std::size_t{4}, std::size_t{6}}) {
        if (size < kMagicPacketSize + password) continue;
        const std::size_t offset = size - kMagicPacketSize - password;
        if (!IsMagicPacketAt(data + offset)) continue;
        match.passwordLength = password;
        for (std::size_t i = 0; i < kMacBytes; ++i) match.mac[i] = data[offset + kMacBytes + i];
        return true;
    }
    return false;
}

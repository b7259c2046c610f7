// The magic-packet recogniser on any datagram.
#include "FuzzInput.h"
#include "listener/MagicPacketMatch.h"
#include "net/BroadcastDestination.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MagicPacketMatch m;
    if (!FindMagicPacket(data, size, m)) return 0;
    // What it found is there: six 0xFF, sixteen copies, then 0, 4 or 6 bytes.
    FUZZ_CHECK(m.passwordLength == 0 || m.passwordLength == 4 || m.passwordLength == 6);
    // The packet ends the datagram but for the password.
    FUZZ_CHECK(kMagicPacketSize + m.passwordLength <= size);
    const std::size_t offset = size - kMagicPacketSize - m.passwordLength;
    const MagicPacket expected = BuildMagicPacket(m.mac);
    for (std::size_t i = 0; i < kMagicPacketSize; ++i) FUZZ_CHECK(data[offset + i] == expected[i]);
    return 0;
}

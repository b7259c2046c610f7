// The SMBIOS walker on any bytes: it must never read outside them (the
// sanitizer watches), and a wake-up type it finds lies within the table.
#include "FuzzInput.h"
#include "lastwake/SmbiosWakeUp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int type = SmbiosWakeUpType(data, size);
    if (type == kNoWakeUpType) return 0;
    FUZZ_CHECK(type >= 0 && type <= 0xFF);
    // A header, a type 1 of at least 19h bytes and its double NUL.
    FUZZ_CHECK(size >= 8 + 0x19 + 2);
    const std::uint32_t length = static_cast<std::uint32_t>(data[4] | data[5] << 8 | data[6] << 16) |
                                 static_cast<std::uint32_t>(data[7]) << 24;
    FUZZ_CHECK(length <= size - 8);
    return 0;
}

// The power structures' parsers on any bytes (libFuzzer hands them over in a
// block of exactly their size: a read past it is caught).
#include "FuzzInput.h"
#include "power/PowerFacts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const unsigned windows = size > 1 ? static_cast<unsigned>(data[0] << 8 | data[1]) : 0;
    const bool windows8OrLater = windows >= 0x0602;
    const PowerStates states = ParsePowerCapabilities(data, size, windows);
    FUZZ_CHECK(states.read == (size >= kPowerCapabilitiesSize));
    FUZZ_CHECK(states.read || (!states.s3 && !states.s4 && !states.hiberFilePresent));
    FUZZ_CHECK((states.modernStandby == Known::Unknown) == !states.read);
    FUZZ_CHECK(windows8OrLater || states.modernStandby != Known::Yes);
    FUZZ_CHECK(windows8OrLater == (states.hiberboot != Known::Unknown) || !states.read);
    FUZZ_CHECK(states.hiberFileType <= kHiberFileFull && (windows >= 0x0A00 || states.hiberFileType == kHiberFileNotRead));

    DevicePower device;
    if (ParsePowerData(data, size, device)) {
        FUZZ_CHECK(size >= kPowerDataSize);
        FUZZ_CHECK(device.deepestWake <= kPowerSystemShutdown);
        FUZZ_CHECK(device.deepestKnown || device.deepestWake == kPowerSystemUnspecified);
    } else {
        FUZZ_CHECK(device.capabilities == 0 && device.deepestWake == 0);
    }
    return 0;
}

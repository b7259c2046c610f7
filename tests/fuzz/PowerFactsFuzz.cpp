// The power structures' parsers on any bytes, and the driver key of any
// text. The bytes are copied to a buffer of exactly their size, so that a
// read past it is caught.
#include <vector>

#include "FuzzInput.h"
#include "power/PowerFacts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    const bool windows8OrLater = size > 0 && (data[0] & 1);
    const PowerStates states = ParsePowerCapabilities(bytes.data(), bytes.size(), windows8OrLater);
    FUZZ_CHECK(states.read == (size >= kPowerCapabilitiesSize));
    FUZZ_CHECK(states.read || (!states.s3 && !states.s4 && !states.hiberFilePresent));
    FUZZ_CHECK((states.modernStandby == Known::Unknown) == !states.read);
    FUZZ_CHECK(windows8OrLater || states.modernStandby != Known::Yes);

    DevicePower device;
    if (ParsePowerData(bytes.data(), bytes.size(), device)) {
        FUZZ_CHECK(size >= kPowerDataSize);
        FUZZ_CHECK(device.deepestWake <= kPowerSystemShutdown);
    } else {
        FUZZ_CHECK(device.capabilities == 0 && device.deepestWake == 0);
    }

    // Half the texts begin as the network class does, in mixed case.
    FuzzInput in(data, size);
    std::wstring driver = in.Byte() & 1 ? L"{4D36E972-e325-11CE-bfc1-08002be10318}" : in.Text(40);
    if (in.Byte() & 1) driver += L'\\';
    driver += in.Text(6);
    if (in.Byte() & 1) driver += L'\\';
    driver += in.Text(3);
    const std::wstring subkey = DriverSubkeyOf(driver);
    if (!subkey.empty()) {
        FUZZ_CHECK(subkey.find(L'\\') == std::wstring::npos);
        FUZZ_CHECK(driver.size() == 39 + subkey.size() && driver[38] == L'\\');
        FUZZ_CHECK(driver.compare(39, subkey.size(), subkey) == 0);
    }
    return 0;
}

#include "PowerFacts.h"

#include "core/Guid.h"
#include "core/HexDigits.h"

namespace {

// Offsets in SYSTEM_POWER_CAPABILITIES, whose first members are a byte each.
// Hiberboot and AoAc came with Windows 8 in what older headers call spare
// bytes (0x12 to 0x14: Hiberboot, WakeAlarmPresent, AoAc), HiberFileType
// with Windows 10 (0x16, the first of spare3); before, those bytes mean
// nothing, whatever they hold.
constexpr std::size_t kSystemS1 = 0x03, kSystemS2 = 0x04, kSystemS3 = 0x05, kSystemS4 = 0x06,
                      kHiberFilePresent = 0x08, kHiberboot = 0x12, kAoAc = 0x14, kHiberFileType = 0x16;
constexpr unsigned kWindows8 = 0x0602, kWindows10 = 0x0A00;

// Offsets in CM_POWER_DATA: six DWORDs (size, most recent state,
// capabilities, three latencies), the seven-state mapping, then the deepest
// wake.
constexpr std::size_t kPdSize = 0, kPdCapabilities = 8, kPdDeepestSystemWake = 52;

std::uint32_t LittleEndian32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

PowerStates ParsePowerCapabilities(const unsigned char* bytes, std::size_t size, unsigned windows) {
    PowerStates states;
    states.windows = windows;
    if (!bytes || size < kPowerCapabilitiesSize) return states;
    const bool windows8OrLater = windows >= kWindows8;
    states.read = true;
    states.s1 = bytes[kSystemS1] != 0;
    states.s2 = bytes[kSystemS2] != 0;
    states.s3 = bytes[kSystemS3] != 0;
    states.s4 = bytes[kSystemS4] != 0;
    states.hiberFilePresent = bytes[kHiberFilePresent] != 0;
    states.modernStandby = !windows8OrLater ? Known::No : bytes[kAoAc] != 0 ? Known::Yes : Known::No;
    if (windows8OrLater) states.hiberboot = bytes[kHiberboot] != 0 ? Known::Yes : Known::No;
    // Only the types Windows defines: anything else is as good as unread.
    if (windows >= kWindows10 && bytes[kHiberFileType] <= kHiberFileFull) states.hiberFileType = bytes[kHiberFileType];
    return states;
}

bool ParsePowerData(const unsigned char* bytes, std::size_t size, DevicePower& out) {
    if (!bytes || size < kPowerDataSize) return false;
    // A later system may append members; the ones read here keep their place.
    const std::uint32_t declared = LittleEndian32(bytes + kPdSize);
    if (declared < kPowerDataSize || declared > size) return false;
    out.capabilities = LittleEndian32(bytes + kPdCapabilities);
    const std::uint32_t deepest = LittleEndian32(bytes + kPdDeepestSystemWake);
    out.deepestKnown = deepest <= kPowerSystemShutdown;
    out.deepestWake = out.deepestKnown ? deepest : kPowerSystemUnspecified;
    return true;
}

std::wstring DriverSubkeyOf(const std::wstring& spdrpDriver) {
    const std::string networkClass = GuidText(kNetworkClassGuid);
    const std::size_t classLength = networkClass.size();
    if (spdrpDriver.size() <= classLength + 1 || spdrpDriver[classLength] != L'\\') return std::wstring();
    for (std::size_t i = 0; i < classLength; ++i)
        if (AsciiUpper(spdrpDriver[i]) != static_cast<wchar_t>(networkClass[i])) return std::wstring();
    std::wstring subkey = spdrpDriver.substr(classLength + 1);
    return subkey.find(L'\\') == std::wstring::npos ? subkey : std::wstring();
}

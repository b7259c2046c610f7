#pragma once
// What Windows says of this PC's power: which sleep states it has, and what
// each network device's driver reports of waking. The facts only, read from
// the system's own structures; the readiness rules decide what they mean.
// Platform-free.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Known.h"

// SYSTEM_POWER_STATE numbers
constexpr unsigned kPowerSystemUnspecified = 0, kPowerSystemWorking = 1, kPowerSystemSleeping1 = 2,
                   kPowerSystemSleeping2 = 3, kPowerSystemSleeping3 = 4, kPowerSystemHibernate = 5,
                   kPowerSystemShutdown = 6;

// HiberFileType (Windows 10 and later): a reduced file serves Fast Startup only.
constexpr unsigned kHiberFileNotRead = 0, kHiberFileReduced = 1, kHiberFileFull = 2;

// PD_Capabilities: PDCAP_WAKE_FROM_D0_SUPPORTED to PDCAP_WAKE_FROM_D3_SUPPORTED,
// the device states from which the device can signal wake at all.
constexpr std::uint32_t kPdcapWakeFromAnyD = 0x10 | 0x20 | 0x40 | 0x80;

// The sizes of the two structures, the same on 32-bit and 64-bit Windows
// and from Windows 2000 to 11: the later members took spare bytes.
constexpr std::size_t kPowerCapabilitiesSize = 0x4C;  // SYSTEM_POWER_CAPABILITIES
constexpr std::size_t kPowerDataSize = 0x38;          // CM_POWER_DATA

struct PowerStates {            // GetPwrCapabilities
    bool read = false;          // false where it could not be asked: nothing below is known
    bool s3 = false, s4 = false, hiberFilePresent = false;
    Known modernStandby = Known::Unknown;  // AoAc: read on Windows 8 (6.2) and later only; Known::No before 8 (it does not exist there); Unknown when not read
    bool s1 = false, s2 = false;
    unsigned hiberFileType = kHiberFileNotRead;  // read on Windows 10 and later only
    Known hiberboot = Known::Unknown;            // Fast Startup as the kernel has it: read on Windows 8 and later only
    unsigned windows = 0;  // the version it was read on, major * 0x100 + minor; 0 where unknown
};

struct DevicePower {            // one network-class device, SPDRP_DEVICE_POWER_DATA
    std::wstring driverKey;     // its driver key's subkey name under the network class, e.g. L"0007"
    std::uint32_t capabilities = 0;  // PD_Capabilities
    unsigned deepestWake = 0;        // PD_DeepestSystemWake; 0 = the device cannot wake the PC
    bool deepestKnown = true;        // false for a deepest wake that names no system state
};

// The raw SYSTEM_POWER_CAPABILITIES bytes as Windows `windows` (major *
// 0x100 + minor) fills them: the members later versions took from spare
// bytes are read only from the version that has them. Fewer bytes than the
// whole structure read as not read.
PowerStates ParsePowerCapabilities(const unsigned char* bytes, std::size_t size, unsigned windows);
PowerStates ParsePowerCapabilities(const unsigned char*, std::size_t, bool) = delete;  // a version, not a flag

// CM_POWER_DATA into `out`'s capabilities and deepest wake (its driver key
// is left alone); false when too short, or when PD_Size is smaller than the
// structure or larger than the bytes. A deepest wake beyond shutdown names
// no state: deepestKnown is then false.
bool ParsePowerData(const unsigned char* bytes, std::size_t size, DevicePower& out);

// The subkey of an SPDRP_DRIVER text, "{4d36e972-e325-11ce-bfc1-08002be10318}\0007"
// giving L"0007"; "" for a device of another class or a text of another shape.
std::wstring DriverSubkeyOf(const std::wstring& spdrpDriver);

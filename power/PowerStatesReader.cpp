#include "PowerStatesReader.h"

#include <windows.h>

#include "framework/SystemLibrary.h"
#include "framework/WindowsVersion.h"

PowerStates ReadPowerStates() {
    using GetPwrCapabilitiesFn = BOOLEAN(WINAPI*)(SYSTEM_POWER_CAPABILITIES*);
    static_assert(sizeof(SYSTEM_POWER_CAPABILITIES) == kPowerCapabilitiesSize, "the structure Windows fills");
    static const auto getCapabilities = FindSystemProc<GetPwrCapabilitiesFn>(L"powrprof.dll", "GetPwrCapabilities");
    // Zeroed first: Wine fills only the members it knows and leaves the
    // bytes where Windows 8 keeps AoAc as they were.
    SYSTEM_POWER_CAPABILITIES capabilities{};
    if (!getCapabilities || !getCapabilities(&capabilities)) return PowerStates();
    return ParsePowerCapabilities(reinterpret_cast<const unsigned char*>(&capabilities), sizeof capabilities,
                                  WindowsVersion());
}

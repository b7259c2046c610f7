#include "CardWakeFacts.h"

#include "DriverKeyRead.h"

namespace {

constexpr std::uint32_t kDisableWakeOnPatternMatch = 0x100;

bool IsOn(const DriverSetting& s) {
    return s.value.present && s.value.value != 0;
}

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
    const std::wstring start(prefix);
    return text.size() >= start.size() && SameName(text.substr(0, start.size()), start);
}

// "PCI\VEN_10EC&DEV_8168&..." holds "VEN_10EC" right after the bus.
bool HasVendor(const std::wstring& instanceId, const wchar_t* vendorId) {
    const std::size_t slash = instanceId.find(L'\\');
    return slash != std::wstring::npos && StartsWith(instanceId.substr(slash + 1), vendorId);
}

std::wstring NameOf(const DriverSetting& s, const wchar_t* keyword) {
    return s.name.empty() ? std::wstring(keyword) : s.name;
}

}  // namespace

DeviceWake DeviceWakeOf(const WakeValues& wake) {
    if (!wake.powerRead) return wake.deepestWake != 0 ? DeviceWake::Deepest : DeviceWake::NotReported;
    if (wake.powerCapabilities == 0) return DeviceWake::CannotTell;
    // PowerSystemUnspecified is what the device gives when it cannot wake
    // the PC: often Wake-on-LAN off in the firmware.
    if ((wake.powerCapabilities & kPdcapWakeFromAnyD) == 0 || wake.deepestWake == kPowerSystemUnspecified)
        return DeviceWake::CannotWake;
    return DeviceWake::Deepest;
}

unsigned SleepStateOf(const PowerStates& states) {
    if (!states.read || states.s3) return kPowerSystemSleeping3;
    if (states.s2) return kPowerSystemSleeping2;
    if (states.s1) return kPowerSystemSleeping1;
    return kPowerSystemUnspecified;
}

bool IsUsbCard(const WakeValues& wake) {
    return StartsWith(wake.instanceId, L"USB\\");
}

bool RunsInboxDriverWithoutShutdownSetting(const WakeValues& wake) {
    if (!SameName(wake.provider, L"Microsoft") || !wake.shutdownKeyword.empty()) return false;
    for (std::size_t k = 0; k < kShutdownKeywordCount; ++k)
        if (HasVendor(wake.instanceId, kShutdownKeywords[k].vendorId)) return true;
    return false;
}

std::wstring OtherWakeSetting(const WakeValues& wake) {
    if (IsOn(wake.wakeOnLink)) return NameOf(wake.wakeOnLink, L"WakeOnLink");
    const bool magicOnly = wake.pnpCapabilities.present && (wake.pnpCapabilities.value & kDisableWakeOnPatternMatch);
    if (IsOn(wake.wakeOnPattern) && !magicOnly) return NameOf(wake.wakeOnPattern, L"*WakeOnPattern");
    return std::wstring();
}

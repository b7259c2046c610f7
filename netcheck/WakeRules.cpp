#include "WakeRules.h"

namespace {

constexpr unsigned long kRegSz = 1, kRegExpandSz = 2, kRegDword = 4;

// PnPCapabilities bits (NDIS_DEVICE_*), in the order they decide.
constexpr std::uint32_t kDisablePm = 0x08;
constexpr std::uint32_t kDisableWakeUp = 0x10;
constexpr std::uint32_t kDisableWakeOnMagicPacket = 0x80;

bool IsCard(const CheckAdapter& a) {
    return a.kind == AdapterKind::Ethernet || a.kind == AdapterKind::WiFi;
}

}  // namespace

RegNumber RegistryNumber(unsigned long type, const unsigned char* bytes, std::size_t size) {
    RegNumber number;
    if (type == kRegDword) {
        if (size != 4) return number;
        number.value = static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16) |
                       static_cast<std::uint32_t>(bytes[3]) << 24;
        number.present = true;
        return number;
    }
    if (type != kRegSz && type != kRegExpandSz) return number;
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const unsigned unit = bytes[i] | bytes[i + 1] << 8;
        if (unit == 0) break;
        if (unit < '0' || unit > '9' || ++digits > 10) return number;
        value = value * 10 + (unit - '0');
    }
    if (digits == 0 || value > 0xFFFFFFFFu) return number;
    number.value = static_cast<std::uint32_t>(value);
    number.present = true;
    return number;
}

WakeSetting WakeSettingOf(const CheckAdapter& adapter) {
    if (!IsCard(adapter)) return WakeSetting::NotApplicable;
    const WakeValues& w = adapter.wake;
    if (w.pnpCapabilities.present) {
        const std::uint32_t bits = w.pnpCapabilities.value;
        if (bits & kDisablePm) return WakeSetting::OffPowerManagement;
        if (bits & kDisableWakeUp) return WakeSetting::OffNotAllowed;
        if (bits & kDisableWakeOnMagicPacket) return WakeSetting::OffMagicPacketDisabled;
    }
    if (w.magicPacket.present && w.magicPacket.value == 1) return WakeSetting::On;
    if (w.magicPacket.present && w.magicPacket.value == 0) return WakeSetting::Off;
    return WakeSetting::NotReported;
}

const wchar_t* WakeSettingKey(WakeSetting setting) {
    switch (setting) {
    case WakeSetting::NotReported: return L"WAKE_NOT_REPORTED";
    case WakeSetting::On: return L"WAKE_ON";
    case WakeSetting::Off: return L"WAKE_OFF";
    case WakeSetting::OffPowerManagement: return L"WAKE_OFF_POWER_MANAGEMENT";
    case WakeSetting::OffNotAllowed: return L"WAKE_OFF_NOT_ALLOWED";
    case WakeSetting::OffMagicPacketDisabled: return L"WAKE_OFF_MAGIC_PACKET";
    default: return nullptr;
    }
}

bool IsFastStartupOn(const RegNumber& hiberbootEnabled, const RegNumber& hibernateEnabled) {
    return hiberbootEnabled.present && hiberbootEnabled.value == 1 &&
           !(hibernateEnabled.present && hibernateEnabled.value == 0);
}

std::vector<Finding> ReadinessFindings(const std::vector<CheckAdapter>& adapters, bool fastStartup) {
    std::vector<Finding> findings;
    bool wiredConnected = false;
    for (const CheckAdapter& a : adapters) {
        const bool wired = a.kind == AdapterKind::Ethernet && !a.isVirtual && a.connected;
        wiredConnected = wiredConnected || wired;
        if (!wired) continue;
        switch (WakeSettingOf(a)) {
        case WakeSetting::Off:
        case WakeSetting::OffMagicPacketDisabled:
            findings.push_back({L"READY_WAKE_OFF", {a.label}});
            break;
        case WakeSetting::OffPowerManagement:
        case WakeSetting::OffNotAllowed:
            findings.push_back({L"READY_POWER_MANAGEMENT", {a.label}});
            break;
        default:
            break;
        }
    }
    if (fastStartup) findings.push_back({L"READY_FAST_STARTUP", {}});
    if (!wiredConnected) findings.push_back({L"READY_NO_CABLE", {}});
    if (findings.empty()) findings.push_back({L"READY_NOTHING_WRONG", {}});
    findings.push_back({L"READY_FIRMWARE", {}});
    return findings;
}

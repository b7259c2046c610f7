#include "ReadinessRules.h"

#include <algorithm>
#include <utility>

#include "text/HexDigits.h"

namespace {

constexpr unsigned long kRegSz = 1, kRegExpandSz = 2, kRegDword = 4;

// PnPCapabilities bits (NDIS_DEVICE_*), in the order they decide.
constexpr std::uint32_t kDisablePm = 0x08;
constexpr std::uint32_t kDisableWakeUp = 0x10;
constexpr std::uint32_t kDisableWakeOnMagicPacket = 0x80;

bool IsCard(const Adapter& a) {
    return a.kind == AdapterKind::Ethernet || a.kind == AdapterKind::WiFi;
}

bool IsOne(const RegNumber& n) {
    return n.present && n.value == 1;
}

// GUIDs are ASCII: compared upper-cased.
std::wstring IdKey(const std::wstring& id) {
    std::wstring key = id;
    for (wchar_t& c : key) c = AsciiUpper(c);
    return key;
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

WakeSetting WakeSettingOf(const Adapter& adapter) {
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

WakeSetting WakeSettingAt(const std::vector<Adapter>& adapters, std::size_t index) {
    const Adapter& a = adapters[index];
    return WakeSettingOf(a.card >= 0 ? adapters[static_cast<std::size_t>(a.card)] : a);
}

void AssignWakeValues(std::vector<Adapter>& adapters, const std::vector<DriverKey>& keys) {
    // Sorted once, so that a PC with hundreds of keys costs no more than
    // its keys and adapters together; among equal ids the first key stays.
    std::vector<std::pair<std::wstring, std::size_t>> ids;
    ids.reserve(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k)
        if (!keys[k].id.empty()) ids.emplace_back(IdKey(keys[k].id), k);
    std::sort(ids.begin(), ids.end());
    for (Adapter& a : adapters) {
        const std::wstring id = IdKey(std::wstring(a.name.begin(), a.name.end()));
        const auto found = std::lower_bound(ids.begin(), ids.end(), std::make_pair(id, std::size_t{0}));
        if (found == ids.end() || found->first != id) continue;
        const DriverKey& key = keys[found->second];
        a.wake = {true, key.magicPacket, key.pnpCapabilities};
    }
}

bool IsFastStartupOn(const RegNumber& policy, const RegNumber& hiberbootEnabled, const RegNumber& hibernateEnabled) {
    return (IsOne(policy) || IsOne(hiberbootEnabled)) && !(hibernateEnabled.present && hibernateEnabled.value == 0);
}

std::vector<Finding> ReadinessFindings(const std::vector<Adapter>& adapters, bool fastStartup) {
    std::vector<Finding> findings;
    bool wiredConnected = false;
    for (const Adapter& a : adapters) {
        if (a.card >= 0) continue;  // its card speaks for it
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
    // The MAC address to wake this PC by is the card's own; a bridge shows
    // another one, and so does the own-MAC dialog, which takes the bridge's.
    for (const Adapter& upper : adapters) {
        if (upper.card < 0) continue;
        const Adapter& card = adapters[static_cast<std::size_t>(upper.card)];
        const std::wstring cardMac = FormatMacDisplay(card.mac);
        if (upper.mac == card.mac)
            findings.push_back({L"READY_CARD_UNDER_SWITCH", {card.label, upper.label, cardMac}});
        else
            findings.push_back({L"READY_CARD_UNDER_BRIDGE", {card.label, upper.label, cardMac, FormatMacDisplay(upper.mac)}});
    }
    findings.push_back({L"READY_FIRMWARE", {}});
    return findings;
}

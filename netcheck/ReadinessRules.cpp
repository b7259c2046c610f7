#include "ReadinessRules.h"

#include "CardWakeFacts.h"
#include "net/AdapterKinds.h"

namespace {

constexpr unsigned kWindows8 = 0x0602;

// PnPCapabilities bits (NDIS_DEVICE_*), in the order they decide.
constexpr std::uint32_t kDisablePm = 0x08;
constexpr std::uint32_t kDisableWakeUp = 0x10;
constexpr std::uint32_t kDisableWakeOnMagicPacket = 0x80;

bool IsOne(const RegNumber& n) {
    return n.present && n.value == 1;
}

bool IsZero(const RegNumber& n) {
    return n.present && n.value == 0;
}

bool IsWired(const Adapter& a) {
    return IsCard(a) && a.kind == AdapterKind::Ethernet && a.connected;
}

// A setting is named as the Advanced tab names it, else by its keyword.
std::wstring SettingName(const DriverSetting& s, const wchar_t* keyword) {
    return s.name.empty() ? std::wstring(keyword) : s.name;
}

// What users also meet: Windows' own driver after an update, a USB card.
void MoreCardFindings(const Adapter& a, std::vector<Finding>& findings) {
    if (RunsInboxDriverWithoutShutdownSetting(a.wake)) findings.push_back({L"READY_INBOX_DRIVER", {a.label}});
    if (IsUsbCard(a.wake)) findings.push_back({L"READY_USB_CARD", {a.label}});
}

// A PC that wakes by itself stops nothing: said after "nothing wrong".
void WakesByItselfFindings(const std::vector<Adapter>& adapters, std::vector<Finding>& findings) {
    for (const Adapter& a : adapters) {
        if (a.card >= 0 || !IsWired(a) || WakeSettingOf(a) != WakeSetting::On) continue;
        const std::wstring other = OtherWakeSetting(a.wake);
        if (!other.empty()) findings.push_back({L"READY_WAKES_ON_OTHER", {a.label, other}});
    }
}

// What the card's own settings and its device stop, beyond the column.
void CardFindings(const Adapter& a, const PcPower& power, std::vector<Finding>& findings) {
    const WakeValues& w = a.wake;
    if (IsZero(w.shutdown.value))
        findings.push_back({L"READY_SHUTDOWN_OFF", {a.label, SettingName(w.shutdown, w.shutdownKeyword.c_str())}});
    if (power.states.modernStandby == Known::Yes && IsZero(w.modernStandby.value))
        findings.push_back({L"READY_STANDBY_OFF", {a.label, SettingName(w.modernStandby, L"*ModernStandbyWoLMagicPacket")}});
    const DeviceWake device = DeviceWakeOf(w);
    if (device == DeviceWake::CannotWake) findings.push_back({L"READY_DEVICE_CANNOT_WAKE", {a.label}});
    if (CanHibernate(power) && device == DeviceWake::Deepest && w.deepestWake < kPowerSystemHibernate)
        findings.push_back({L"READY_NO_HIBERNATION_WAKE_CARD", {a.label}});
    if (IsZero(w.arpOffload.value))
        findings.push_back({L"READY_ARP_OFFLOAD_OFF", {a.label, SettingName(w.arpOffload, L"*PMARPOffload")}});
    MoreCardFindings(a, findings);
}

void Append(std::wstring& list, const std::wstring& item) {
    list += (list.empty() ? L"" : L", ") + item;
}

}  // namespace

WakeSetting WakeSettingOf(const Adapter& adapter) {
    if (!IsCard(adapter)) return WakeSetting::NotApplicable;
    const WakeValues& w = adapter.wake;
    if (w.pnpCapabilities.present) {
        const std::uint32_t bits = w.pnpCapabilities.value;
        if (bits & kDisablePm) return WakeSetting::OffPowerManagement;
        if (bits & kDisableWakeUp) return WakeSetting::OffNotAllowed;
        if (bits & kDisableWakeOnMagicPacket) return WakeSetting::OffMagicPacketDisabled;
    }
    if (IsOne(w.magicPacket.value)) return WakeSetting::On;
    if (IsZero(w.magicPacket.value)) return WakeSetting::Off;
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

int WakeCardOf(const std::vector<Adapter>& adapters) {
    for (std::size_t i = 0; i < adapters.size(); ++i)
        if (adapters[i].card < 0 && IsWired(adapters[i]) && HasWakeFacts(adapters[i])) return static_cast<int>(i);
    return -1;
}

bool IsFastStartupOn(const RegNumber& policy, const RegNumber& hiberbootEnabled, const RegNumber& hibernateEnabled) {
    return (IsOne(policy) || IsOne(hiberbootEnabled)) && !(hibernateEnabled.present && hibernateEnabled.value == 0);
}

PcPower PcPowerOf(const PowerStates& states, const FastStartupValues& values) {
    PcPower pc;
    pc.states = states;
    pc.hibernationOff = values.hibernateEnabled.present && values.hibernateEnabled.value == 0;
    const bool keys = IsFastStartupOn(values.policy, values.hiberbootEnabled, values.hibernateEnabled);
    if (states.windows != 0 && states.windows < kWindows8) {
        pc.fastStartupBy = FastStartupBy::BeforeWindows8;
    } else if (keys && states.hiberboot != Known::Unknown) {
        pc.fastStartupBy = FastStartupBy::Hiberboot;  // the keys say on: the kernel's byte has the last word
        pc.fastStartup = states.hiberboot == Known::Yes;
    } else {
        pc.fastStartup = keys;
    }
    return pc;
}

const wchar_t* FastStartupByName(FastStartupBy by) {
    switch (by) {
    case FastStartupBy::Hiberboot: return L"Hiberboot";
    case FastStartupBy::BeforeWindows8: return L"before8";
    default: return L"keys";
    }
}

std::vector<Finding> ReadinessFindings(const std::vector<Adapter>& adapters, const PcPower& power) {
    std::vector<Finding> findings;
    bool wiredConnected = false;
    std::wstring withoutFacts;  // wired, but Windows reports nothing of waking
    for (const Adapter& a : adapters) {
        if (a.card >= 0 || !IsWired(a)) continue;  // a switch's card speaks for it
        if (!HasWakeFacts(a)) {
            Append(withoutFacts, a.label);
            continue;
        }
        wiredConnected = true;
        CardFindings(a, power, findings);
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
    if (FastStartupInEffect(power)) findings.push_back({L"READY_FAST_STARTUP", {}});
    if (power.states.read && power.states.hiberFileType == kHiberFileReduced && !power.hibernationOff)
        findings.push_back({L"READY_HIBERFILE_REDUCED", {}});
    // A tether or a card whose driver keeps no standard settings may be
    // this PC's card: never "no cable" then, and never "nothing wrong".
    if (!wiredConnected && !withoutFacts.empty()) findings.push_back({L"READY_NO_WAKE_FACTS", {withoutFacts}});
    if (!wiredConnected && withoutFacts.empty()) findings.push_back({L"READY_NO_CABLE", {}});
    if (findings.empty()) findings.push_back({L"READY_NOTHING_WRONG", {}});
    WakesByItselfFindings(adapters, findings);
    // The MAC address to wake this PC by is the card's own; a bridge shows
    // another one, and so does the own-MAC dialog, which takes the bridge's.
    // A sleeping card wakes only on its own address, so the card named is
    // the one the verdicts are for, wherever it is a member without an
    // address of its own: a bridge or team may take its address from
    // another member (Windows does not say which).
    const int verdictCard = WakeCardOf(adapters);
    for (const Adapter& upper : adapters) {
        if (upper.card < 0) continue;
        const bool member = verdictCard >= 0 && adapters[static_cast<std::size_t>(verdictCard)].addresses.empty();
        const Adapter& card = adapters[static_cast<std::size_t>(member ? verdictCard : upper.card)];
        const std::wstring cardMac = FormatMacDisplay(card.mac);
        if (upper.mac == card.mac)
            findings.push_back({L"READY_CARD_UNDER_SWITCH", {card.label, upper.label, cardMac}});
        else
            findings.push_back({L"READY_CARD_UNDER_BRIDGE", {card.label, upper.label, cardMac, FormatMacDisplay(upper.mac)}});
    }
    findings.push_back({L"READY_FIRMWARE", {}});
    return findings;
}

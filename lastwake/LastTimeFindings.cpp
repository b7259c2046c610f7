#include "LastTimeFindings.h"

#include "core/HexDigits.h"
#include "text/TextArgs.h"

namespace {

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

bool NamesAnAdapter(const std::wstring& source, const std::vector<Adapter>& adapters) {
    for (const Adapter& a : adapters)
        if (SameName(source, a.description) || SameName(source, a.label)) return true;
    return false;
}

// The keys of a wake from sleep and from hibernation: with no source, by a
// device, by this PC's card.
struct WakeKeys {
    const wchar_t* noSource;
    const wchar_t* by;
    const wchar_t* byCard;
};
const WakeKeys kFromSleep{L"LAST_WOKE_NO_SOURCE", L"LAST_WOKE_BY", L"LAST_WOKE_BY_CARD"};
const WakeKeys kFromHibernation{L"LAST_HIBERNATION_NO_SOURCE", L"LAST_HIBERNATION_BY", L"LAST_HIBERNATION_BY_CARD"};

Finding WakeFinding(const LastWake& wake, const std::vector<Adapter>& adapters, const LastTimeWords& words) {
    const std::wstring time = words.time(wake.wakeTimeUtc);
    if (wake.from == WokeFrom::ModernStandby) {
        if (wake.reason < 0) return {L"LAST_STANDBY_LEFT", {time}};
        return {L"LAST_STANDBY_LEFT_REASON", {time, DecimalText(static_cast<unsigned long>(wake.reason))}};
    }
    const WakeKeys& keys = wake.from == WokeFrom::Hibernation ? kFromHibernation : kFromSleep;
    if (wake.source.empty()) return {keys.noSource, {time}};
    return {NamesAnAdapter(wake.source, adapters) ? keys.byCard : keys.by, {time, wake.source}};
}

// Each boot type with and without the firmware's word.
struct StartKeys {
    const wchar_t* alone;
    const wchar_t* withFirmware;
};
const StartKeys kStartKeys[] = {
    {L"LAST_START_FULL", L"LAST_START_FULL_FIRMWARE"},
    {L"LAST_START_FAST", L"LAST_START_FAST_FIRMWARE"},
    {L"LAST_START_RESUMED", L"LAST_START_RESUMED_FIRMWARE"},
};

}  // namespace

const wchar_t* WakeUpTypeKey(int wakeUpType) {
    static const wchar_t* const kKeys[] = {nullptr, L"WAKEUP_OTHER", L"WAKEUP_UNKNOWN", L"WAKEUP_APM_TIMER",
                                           L"WAKEUP_MODEM_RING", L"WAKEUP_LAN_REMOTE", L"WAKEUP_POWER_SWITCH",
                                           L"WAKEUP_PCI_PME", L"WAKEUP_AC_POWER"};
    const int count = static_cast<int>(sizeof kKeys / sizeof kKeys[0]);
    return wakeUpType >= 0 && wakeUpType < count ? kKeys[wakeUpType] : nullptr;
}

std::vector<Finding> LastTimeFindings(const LastWakeRecord& record, const std::vector<Adapter>& adapters,
                                      const LastTimeWords& words) {
    std::vector<Finding> findings;
    if (record.wake.present) findings.push_back(WakeFinding(record.wake, adapters, words));
    const wchar_t* wakeUpKey = WakeUpTypeKey(record.wakeUpType);
    const LastStart& start = record.start;
    const bool knownStart = start.present && start.bootType >= kFullStart && start.bootType <= kResumedFromHibernation;
    if (knownStart) {
        const StartKeys& keys = kStartKeys[start.bootType];
        const std::wstring time = words.time(start.timeUtc);
        if (wakeUpKey)
            findings.push_back({keys.withFirmware, {time, words.text(wakeUpKey)}});
        else
            findings.push_back({keys.alone, {time}});
    } else if (wakeUpKey) {
        findings.push_back({L"LAST_FIRMWARE_ONLY", {words.text(wakeUpKey)}});
    }
    return findings;
}

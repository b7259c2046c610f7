#include "WakeVerdicts.h"

#include "CardWakeFacts.h"
#include "ReadinessRules.h"

namespace {

const wchar_t kYes[] = L"READY_YES";
const wchar_t kNo[] = L"READY_NO";
const wchar_t kCannotTell[] = L"READY_CANNOT_TELL";

bool IsOn(const DriverSetting& s) {
    return s.value.present && s.value.value == 1;
}

bool IsOff(const DriverSetting& s) {
    return s.value.present && s.value.value == 0;
}

bool IsColumnOff(WakeSetting setting) {
    return setting == WakeSetting::Off || setting == WakeSetting::OffPowerManagement ||
           setting == WakeSetting::OffNotAllowed || setting == WakeSetting::OffMagicPacketDisabled;
}

// The Power Management tab and *WakeOnMagicPacket, as the column reads them.
VerdictLine ByTheColumn(const wchar_t* state, const Adapter& card) {
    switch (WakeSettingOf(card)) {
    case WakeSetting::On: return {state, kYes, Verdict::Yes};
    case WakeSetting::NotReported:
    case WakeSetting::NotApplicable: return {state, kCannotTell, Verdict::CannotTell};
    default: return {state, kNo, Verdict::No};
    }
}

// The device's own word on `sleepState`, then the column; a device that
// reports nothing it can be judged by leaves a "yes" at "cannot tell".
VerdictLine ByDeviceAndColumn(const wchar_t* state, const Adapter& card, unsigned sleepState, const wchar_t* tooDeep) {
    const DeviceWake device = DeviceWakeOf(card.wake);
    if (device == DeviceWake::CannotWake) return {state, L"READY_CARD_CANNOT_WAKE", Verdict::No};
    if (device == DeviceWake::Deepest && card.wake.deepestWake < sleepState) return {state, tooDeep, Verdict::No};
    const VerdictLine line = ByTheColumn(state, card);
    if (line.verdict == Verdict::Yes && device == DeviceWake::CannotTell)
        return {state, kCannotTell, Verdict::CannotTell};
    return line;
}

// Modern Standby is no S3: the tab and *WakeOnMagicPacket first, then its
// own keyword, default off.
VerdictLine FromStandby(const Adapter& card) {
    const wchar_t* const state = L"READY_STANDBY";
    const DriverSetting& keyword = card.wake.modernStandby;
    if (IsColumnOff(WakeSettingOf(card))) return {state, kNo, Verdict::No};
    if (IsOn(keyword)) return {state, kYes, Verdict::Yes};
    if (keyword.value.present) return {state, kNo, Verdict::No};
    return {state, kCannotTell, Verdict::CannotTell};
}

const wchar_t* SleepKey(unsigned sleepState) {
    if (sleepState == kPowerSystemSleeping1) return L"READY_SLEEP_S1";
    if (sleepState == kPowerSystemSleeping2) return L"READY_SLEEP_S2";
    return L"READY_SLEEP";
}

VerdictLine FromSleep(const Adapter& card, const PowerStates& states) {
    if (states.modernStandby == Known::Yes) return FromStandby(card);
    const unsigned sleep = SleepStateOf(states);
    if (sleep == kPowerSystemUnspecified) return {L"READY_SLEEP", L"READY_NO_SLEEP_STATE", Verdict::No};
    return ByDeviceAndColumn(SleepKey(sleep), card, sleep, L"READY_NO_SLEEP_WAKE");
}

bool IsReducedHiberFile(const PcPower& power) {
    return power.states.read && power.states.hiberFileType == kHiberFileReduced;
}

VerdictLine FromHibernation(const Adapter& card, const PcPower& power) {
    const wchar_t* const state = L"READY_HIBERNATION";
    if (!CanHibernate(power)) {
        const bool reduced = IsReducedHiberFile(power) && !power.hibernationOff;
        return {state, reduced ? L"READY_HIBERNATION_REDUCED" : L"READY_HIBERNATION_OFF", Verdict::No};
    }
    return ByDeviceAndColumn(state, card, kPowerSystemHibernate, L"READY_NO_HIBERNATION_WAKE");
}

// Windows arms no card for shutdown: the card's own keyword decides, and a
// Fast Startup shutdown is a hibernation with no card armed. Where Windows
// says the card may not or cannot wake it, no source says the maker's
// driver arms it for shutdown all the same; a USB card is seldom powered.
VerdictLine FromShutdown(const Adapter& card, const PcPower& power) {
    const WakeValues& w = card.wake;
    const wchar_t* const state = L"READY_SHUTDOWN";
    if (IsOff(w.magicPacket) || IsOff(w.shutdown)) return {state, kNo, Verdict::No};
    const bool doubt = FastStartupInEffect(power) || !IsOn(w.shutdown) || IsColumnOff(WakeSettingOf(card)) ||
                       DeviceWakeOf(w) == DeviceWake::CannotWake || IsUsbCard(w);
    if (doubt) return {state, kCannotTell, Verdict::CannotTell};
    return {state, kYes, Verdict::Yes};
}

}  // namespace

bool CanHibernate(const PcPower& power) {
    const PowerStates& s = power.states;
    return !(s.read && (!s.s4 || !s.hiberFilePresent)) && !IsReducedHiberFile(power) && !power.hibernationOff;
}

bool FastStartupInEffect(const PcPower& power) {
    return power.fastStartup && !(power.states.read && !power.states.s4);
}

std::vector<VerdictLine> WakeVerdicts(const std::vector<Adapter>& adapters, int card, const PcPower& power) {
    if (card < 0) {
        const wchar_t* const sleep =
            power.states.modernStandby == Known::Yes ? L"READY_STANDBY" : SleepKey(SleepStateOf(power.states));
        return {{sleep, kCannotTell, Verdict::CannotTell},
                {L"READY_HIBERNATION", kCannotTell, Verdict::CannotTell},
                {L"READY_SHUTDOWN", kCannotTell, Verdict::CannotTell}};
    }
    const Adapter& a = adapters[static_cast<std::size_t>(card)];
    return {FromSleep(a, power.states), FromHibernation(a, power), FromShutdown(a, power)};
}

#include "WakeVerdicts.h"

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

// A deepest wake the device does not report decides nothing.
bool WakesFrom(const WakeValues& w, unsigned state) {
    return w.deepestWake == 0 || w.deepestWake >= state;
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

VerdictLine FromSleep(const Adapter& card, const PowerStates& states) {
    const WakeValues& w = card.wake;
    // Modern Standby is no S3: its own keyword, default off, decides alone.
    if (states.modernStandby == Known::Yes) {
        const wchar_t* const state = L"READY_STANDBY";
        if (IsOn(w.modernStandby)) return {state, kYes, Verdict::Yes};
        if (w.modernStandby.value.present) return {state, kNo, Verdict::No};
        return {state, kCannotTell, Verdict::CannotTell};
    }
    const wchar_t* const state = L"READY_SLEEP";
    if (states.read && !states.s3) return {state, L"READY_NO_SLEEP_STATE", Verdict::No};
    if (!WakesFrom(w, kPowerSystemSleeping3)) return {state, L"READY_NO_SLEEP_WAKE", Verdict::No};
    return ByTheColumn(state, card);
}

VerdictLine FromHibernation(const Adapter& card, const PcPower& power) {
    const wchar_t* const state = L"READY_HIBERNATION";
    if (!CanHibernate(power))
        return {state, L"READY_HIBERNATION_OFF", Verdict::No};
    if (!WakesFrom(card.wake, kPowerSystemHibernate)) return {state, L"READY_NO_HIBERNATION_WAKE", Verdict::No};
    return ByTheColumn(state, card);
}

// Windows arms no card for shutdown: the card's own keyword decides, and a
// Fast Startup shutdown is a hibernation with no card armed.
VerdictLine FromShutdown(const Adapter& card, const PcPower& power) {
    const WakeValues& w = card.wake;
    const wchar_t* const state = L"READY_SHUTDOWN";
    if (IsOff(w.magicPacket) || IsOff(w.shutdown)) return {state, kNo, Verdict::No};
    if (FastStartupInEffect(power) || !IsOn(w.shutdown)) return {state, kCannotTell, Verdict::CannotTell};
    return {state, kYes, Verdict::Yes};
}

}  // namespace

bool CanHibernate(const PcPower& power) {
    return !(power.states.read && !power.states.s4) && !power.hibernationOff;
}

bool FastStartupInEffect(const PcPower& power) {
    return power.fastStartup && !(power.states.read && !power.states.s4);
}

std::vector<VerdictLine> WakeVerdicts(const std::vector<Adapter>& adapters, int card, const PcPower& power) {
    if (card < 0) {
        const wchar_t* const sleep = power.states.modernStandby == Known::Yes ? L"READY_STANDBY" : L"READY_SLEEP";
        return {{sleep, kCannotTell, Verdict::CannotTell},
                {L"READY_HIBERNATION", kCannotTell, Verdict::CannotTell},
                {L"READY_SHUTDOWN", kCannotTell, Verdict::CannotTell}};
    }
    const Adapter& a = adapters[static_cast<std::size_t>(card)];
    return {FromSleep(a, power.states), FromHibernation(a, power), FromShutdown(a, power)};
}

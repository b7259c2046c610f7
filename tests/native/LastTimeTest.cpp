// What the System log recorded of the last wake and start, from the values
// the reader renders by name, and the paragraph they make with the
// firmware's wake-up type. The values are those of public examples:
//  - Power-Troubleshooter event 1 on Windows 7, from a Server Fault question
//    ("Event log wake source when system wakes from sleep", 2010): sleep
//    2010-10-01T19:19:37.2397896Z, wake 21:28:48.9212008Z, source type 4
//    "HID Keyboard Device"; and a wake with source type 0 and no text.
//  - A USB host controller as the source, from Microsoft's Windows Vista
//    blog on powercfg -lastwake: "Intel(R) 82801G (ICH7 Family) USB
//    Universal Host Controller - 27C8".
//  - A card by the name Realtek's public INF gives it, as Device Manager
//    shows it; Kernel-Boot event 27, "The boot type was %1", 0x0 to 0x2.
//  - TargetState 4 (sleep) or 5 (hibernation) beside the times, as event 1
//    carries it; Kernel-Power 506 ("entering Modern Standby") and 507
//    ("exiting Modern Standby") with their Reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lastwake/LastTimeFindings.h"

namespace {

constexpr std::uint64_t kSleep = 129304343772397896;  // FILETIME of 2010-10-01T19:19:37.2397896Z
constexpr std::uint64_t kWake = 129304421289212008;   // 2010-10-01T21:28:48.9212008Z
const std::wstring kUsbHost = L"Intel(R) 82801G (ICH7 Family) USB Universal Host Controller - 27C8";
const std::wstring kRealtek = L"Realtek PCIe GbE Family Controller";

EventValue Value(const wchar_t* name, EventValue::Kind kind, std::uint64_t number = 0, const std::wstring& text = L"") {
    return {name, kind, number, text};
}
using K = EventValue::Kind;

RenderedEvent WakeEvent(EventValue source) {
    return {L"Microsoft-Windows-Power-Troubleshooter", 1, kWake + 50000000,
            {Value(L"SleepTime", K::Time, kSleep), Value(L"WakeTime", K::Time, kWake), source}};
}

TEST(LastWakeEvents, WakesAsWindowsRecordedThem) {
    const LastWake keyboard = LastWakeOf(WakeEvent(Value(L"WakeSourceText", K::Text, 0, L"HID Keyboard Device")));
    EXPECT_TRUE(keyboard.present);
    EXPECT_EQ(kSleep, keyboard.sleepTimeUtc);
    EXPECT_EQ(kWake, keyboard.wakeTimeUtc);
    EXPECT_EQ(L"HID Keyboard Device", keyboard.source);
    EXPECT_EQ(kUsbHost, LastWakeOf(WakeEvent(Value(L"WakeSourceText", K::Text, 0, L" " + kUsbHost + L"  "))).source);
    for (const EventValue& none : {Value(L"WakeSourceText", K::Text), Value(L"WakeSourceText", K::Absent),
                                   Value(L"WakeSourceText", K::Number, 4)}) {
        EXPECT_TRUE(LastWakeOf(WakeEvent(none)).present);
        EXPECT_EQ(L"", LastWakeOf(WakeEvent(none)).source);
    }
    RenderedEvent event = WakeEvent(Value(L"WakeSourceText", K::Absent));
    event.values[0].kind = K::Absent;
    EXPECT_EQ(0u, LastWakeOf(event).sleepTimeUtc);  // a wake without its sleep time is still one
    event.values[1] = Value(L"WakeTime", K::Text, 0, L"2010-10-01T21:28:48.9212008Z");
    EXPECT_FALSE(LastWakeOf(event).present);
    event = WakeEvent(Value(L"WakeSourceText", K::Absent));
    event.id = 2;
    EXPECT_FALSE(LastWakeOf(event).present);
}

TEST(LastWakeEvents, FromHibernationAndFromModernStandbyAsTheEventsSay) {
    RenderedEvent event = WakeEvent(Value(L"WakeSourceText", K::Text, 0, kRealtek));
    event.values.push_back(Value(L"TargetState", K::Number, 5));
    event.values.push_back(Value(L"WakeSourceType", K::Number, 5));
    const LastWake hibernated = LastWakeOf(event);
    EXPECT_EQ(WokeFrom::Hibernation, hibernated.from);
    EXPECT_EQ(5, hibernated.wakeSourceType);
    event.values[3].number = 4;
    EXPECT_EQ(WokeFrom::Sleep, LastWakeOf(event).from);
    EXPECT_EQ(-1, LastWakeOf(WakeEvent(Value(L"WakeSourceText", K::Absent))).targetState);

    const std::uint64_t entered = kWake - 36000000000, left = kWake + 72000000000;  // an hour before, two after
    const RenderedEvent entry{L"Microsoft-Windows-Kernel-Power", 506, entered, {Value(L"Reason", K::Number, 12)}};
    const RenderedEvent exit{L"Microsoft-Windows-Kernel-Power", 507, left, {Value(L"Reason", K::Number, 31)}};
    const LastWake standby = StandbyExitOf(exit, entry);
    EXPECT_TRUE(standby.present);
    EXPECT_EQ(WokeFrom::ModernStandby, standby.from);
    EXPECT_EQ(entered, standby.sleepTimeUtc);
    EXPECT_EQ(left, standby.wakeTimeUtc);
    EXPECT_EQ(31, standby.reason);
    EXPECT_EQ(0u, StandbyExitOf(exit, RenderedEvent()).sleepTimeUtc);
    EXPECT_EQ(0u, StandbyExitOf(entry, exit).sleepTimeUtc);  // an entry after the exit is not its own
    EXPECT_FALSE(StandbyExitOf(entry, exit).present);

    // The later of a resume and an exit: a Modern Standby laptop that
    // hibernated writes both.
    EXPECT_EQ(WokeFrom::ModernStandby, NewestWake(hibernated, standby).from);
    EXPECT_EQ(WokeFrom::ModernStandby, NewestWake(standby, hibernated).from);
    EXPECT_EQ(WokeFrom::Hibernation, NewestWake(hibernated, LastWake()).from);
    EXPECT_EQ(WokeFrom::ModernStandby, NewestWake(LastWake(), standby).from);
}

TEST(LastWakeEvents, StartsByBootTypeAtTheEventsTime) {
    RenderedEvent event{L"Microsoft-Windows-Kernel-Boot", 27, kWake, {Value(L"BootType", K::Number, 1)}};
    const LastStart start = LastStartOf(event);
    EXPECT_TRUE(start.present);
    EXPECT_EQ(kFastStartup, start.bootType);
    EXPECT_EQ(kWake, start.timeUtc);
    event.values[0] = Value(L"BootType", K::Text, 0, L"0x0");
    EXPECT_FALSE(LastStartOf(event).present);
    event.values[0] = Value(L"BootType", K::Number, 0);
    event.provider = L"Microsoft-Windows-Power-Troubleshooter";
    EXPECT_FALSE(LastStartOf(event).present);
}

// The findings as "KEY(arg,arg) ", with times as T<filetime> and language
// texts as [KEY].
std::wstring Said(const LastWakeRecord& record, const std::vector<Adapter>& adapters = {}) {
    const LastTimeWords words{[](std::uint64_t t) { return L"T" + std::to_wstring(t); },
                              [](const wchar_t* key) { return L"[" + std::wstring(key) + L"]"; }};
    std::wstring said;
    for (const Finding& f : LastTimeFindings(record, adapters, words)) {
        said += f.key + std::wstring(L"(");
        for (std::size_t i = 0; i < f.args.size(); ++i) said += (i ? L"," : L"") + f.args[i];
        said += L") ";
    }
    return said;
}

LastWakeRecord Woken(const std::wstring& source) {
    return {{true, kSleep, kWake, source}, {}, kNoWakeUpType};
}

TEST(LastTimeFindings, TheWakeSourceNamedAndThisPcsCardRecognised) {
    // Vista and later label a card with its connection's name, XP with its device name.
    std::vector<Adapter> cards(2);
    cards[0].label = L"Ethernet";
    cards[0].description = L"REALTEK PCIE GBE FAMILY CONTROLLER";
    cards[1].label = L"Intel(R) PRO/1000 MT Network Connection";
    const std::wstring at = L"T" + std::to_wstring(kWake);
    EXPECT_EQ(L"LAST_WOKE_BY_CARD(" + at + L"," + kRealtek + L") ", Said(Woken(kRealtek), cards));
    EXPECT_EQ(L"LAST_WOKE_BY_CARD(" + at + L",Intel(R) PRO/1000 MT Network Connection) ",
              Said(Woken(L"Intel(R) PRO/1000 MT Network Connection"), cards));
    EXPECT_EQ(L"LAST_WOKE_BY(" + at + L"," + kUsbHost + L") ", Said(Woken(kUsbHost), cards));
    EXPECT_EQ(L"LAST_WOKE_BY(" + at + L"," + kRealtek + L" #2) ", Said(Woken(kRealtek + L" #2"), cards));
    EXPECT_EQ(L"LAST_WOKE_NO_SOURCE(" + at + L") ", Said(Woken(L""), cards));
    EXPECT_EQ(L"", Said({}));

    LastWakeRecord hibernated = Woken(kRealtek);
    hibernated.wake.from = WokeFrom::Hibernation;
    EXPECT_EQ(L"LAST_HIBERNATION_BY_CARD(" + at + L"," + kRealtek + L") ", Said(hibernated, cards));
    hibernated.wake.source = kUsbHost;
    EXPECT_EQ(L"LAST_HIBERNATION_BY(" + at + L"," + kUsbHost + L") ", Said(hibernated, cards));
    hibernated.wake.source.clear();
    EXPECT_EQ(L"LAST_HIBERNATION_NO_SOURCE(" + at + L") ", Said(hibernated, cards));
    LastWakeRecord standby = Woken(L"");
    standby.wake.from = WokeFrom::ModernStandby;
    EXPECT_EQ(L"LAST_STANDBY_LEFT(" + at + L") ", Said(standby));
    standby.wake.reason = 31;
    EXPECT_EQ(L"LAST_STANDBY_LEFT_REASON(" + at + L",31) ", Said(standby));
}

TEST(LastTimeFindings, TheFirmwaresWordGoesWithAFullStartOnly) {
    const auto record = [](int bootType, int wakeUpType) {
        return LastWakeRecord{{}, {bootType >= 0, kWake, bootType}, wakeUpType};
    };
    const std::wstring at = L"T" + std::to_wstring(kWake);
    EXPECT_EQ(L"LAST_START_FULL_FIRMWARE(" + at + L",[WAKEUP_LAN_REMOTE]) ", Said(record(kFullStart, 5)));
    EXPECT_EQ(L"LAST_START_FULL(" + at + L") ", Said(record(kFullStart, 0)));  // 0 is "reserved": no word
    EXPECT_EQ(L"LAST_START_FAST_FIRMWARE(" + at + L",[WAKEUP_POWER_SWITCH]) ", Said(record(kFastStartup, 6)));
    EXPECT_EQ(L"LAST_START_FAST(" + at + L") ", Said(record(kFastStartup, kNoWakeUpType)));
    EXPECT_EQ(L"LAST_START_RESUMED_FIRMWARE(" + at + L",[WAKEUP_PCI_PME]) ", Said(record(kResumedFromHibernation, 7)));
    // No start recorded (Windows 7, a cleared log), or a boot type Windows
    // had not defined: the firmware's word alone, with its doubt.
    EXPECT_EQ(L"LAST_FIRMWARE_ONLY([WAKEUP_AC_POWER]) ", Said(record(-1, 8)));
    EXPECT_EQ(L"LAST_FIRMWARE_ONLY([WAKEUP_UNKNOWN]) ", Said(record(3, 2)));
    EXPECT_EQ(L"", Said(record(3, 9)));
    LastWakeRecord both = record(kFullStart, 1);
    both.wake = Woken(L"").wake;
    EXPECT_EQ(L"LAST_WOKE_NO_SOURCE(" + at + L") LAST_START_FULL_FIRMWARE(" + at + L",[WAKEUP_OTHER]) ", Said(both));
}

}  // namespace

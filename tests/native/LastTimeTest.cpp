// What the System log recorded of the last wake and start, from the values
// the reader renders by name, and the paragraph they make with the
// firmware's wake-up type.
//
// The values are those of public examples of these events:
//  - Power-Troubleshooter event 1 on Windows 7, from a Server Fault question
//    ("Event log wake source when system wakes from sleep", 2010): sleep
//    2010-10-01T19:19:37.2397896Z, wake 2010-10-01T21:28:48.9212008Z,
//    source type 4 "HID Keyboard Device"; and sleep 23:20:06.0974881Z, wake
//    2010-10-03T17:41:12.7964005Z with source type 0 and no text.
//  - A USB host controller as the source, from Microsoft's Windows Vista
//    blog on powercfg -lastwake: "Intel(R) 82801G (ICH7 Family) USB
//    Universal Host Controller - 27C8".
//  - A network card: "Realtek PCIe GbE Family Controller", the name
//    Realtek's public INF gives its cards, as Device Manager shows it.
//  - Kernel-Boot event 27, "The boot type was %1" (the provider's message
//    in public event catalogues), BootType 0x0, 0x1 or 0x2.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lastwake/LastTimeFindings.h"

namespace {

// FILETIMEs (100 ns since 1601, UTC) of the times above.
constexpr std::uint64_t kSleep1 = 129304343772397896;  // 2010-10-01T19:19:37.2397896Z
constexpr std::uint64_t kWake1 = 129304421289212008;   // 2010-10-01T21:28:48.9212008Z
constexpr std::uint64_t kSleep2 = 129304488060974881;  // 2010-10-01T23:20:06.0974881Z
constexpr std::uint64_t kWake2 = 129306012727964005;   // 2010-10-03T17:41:12.7964005Z

const wchar_t kUsbHost[] = L"Intel(R) 82801G (ICH7 Family) USB Universal Host Controller - 27C8";
const wchar_t kRealtek[] = L"Realtek PCIe GbE Family Controller";

EventValue Time(const wchar_t* name, std::uint64_t time) {
    EventValue v;
    v.name = name;
    v.kind = EventValue::Kind::Time;
    v.number = time;
    return v;
}
EventValue Text(const wchar_t* name, const std::wstring& text) {
    EventValue v;
    v.name = name;
    v.kind = EventValue::Kind::Text;
    v.text = text;
    return v;
}
EventValue Number(const wchar_t* name, std::uint64_t number) {
    EventValue v;
    v.name = name;
    v.kind = EventValue::Kind::Number;
    v.number = number;
    return v;
}
EventValue Absent(const wchar_t* name) {
    EventValue v;
    v.name = name;
    return v;
}

RenderedEvent WakeEvent(std::uint64_t sleep, std::uint64_t wake, EventValue source) {
    return {L"Microsoft-Windows-Power-Troubleshooter", 1, wake + 50000000,
            {Time(L"SleepTime", sleep), Time(L"WakeTime", wake), source}};
}

RenderedEvent BootEvent(EventValue bootType) {
    return {L"Microsoft-Windows-Kernel-Boot", 27, kWake2, {bootType}};
}

TEST(LastWakeEvents, TheReaderAsksForTheValuesTheMappingReads) {
    ASSERT_EQ(3u, kLastWakeEvent.count);
    EXPECT_STREQ(L"Microsoft-Windows-Power-Troubleshooter", kLastWakeEvent.provider);
    EXPECT_EQ(1u, kLastWakeEvent.id);
    EXPECT_STREQ(L"WakeTime", kLastWakeEvent.names[1]);
    EXPECT_STREQ(L"WakeSourceText", kLastWakeEvent.names[2]);
    ASSERT_EQ(1u, kLastStartEvent.count);
    EXPECT_STREQ(L"Microsoft-Windows-Kernel-Boot", kLastStartEvent.provider);
    EXPECT_EQ(27u, kLastStartEvent.id);
    EXPECT_STREQ(L"BootType", kLastStartEvent.names[0]);
}

TEST(LastWakeEvents, WakesAsWindowsRecordedThem) {
    const LastWake keyboard = LastWakeOf(WakeEvent(kSleep1, kWake1, Text(L"WakeSourceText", L"HID Keyboard Device")));
    EXPECT_TRUE(keyboard.present);
    EXPECT_EQ(kSleep1, keyboard.sleepTimeUtc);
    EXPECT_EQ(kWake1, keyboard.wakeTimeUtc);
    EXPECT_EQ(L"HID Keyboard Device", keyboard.source);

    const LastWake none = LastWakeOf(WakeEvent(kSleep2, kWake2, Text(L"WakeSourceText", L"")));
    EXPECT_TRUE(none.present);
    EXPECT_EQ(L"", none.source);
    EXPECT_EQ(L"", LastWakeOf(WakeEvent(kSleep2, kWake2, Absent(L"WakeSourceText"))).source);
    EXPECT_EQ(L"", LastWakeOf(WakeEvent(kSleep2, kWake2, Number(L"WakeSourceText", 4))).source);
    EXPECT_EQ(kUsbHost, LastWakeOf(WakeEvent(kSleep2, kWake2, Text(L"WakeSourceText", std::wstring(L" ") + kUsbHost + L"  "))).source);

    RenderedEvent noSleep = WakeEvent(kSleep1, kWake1, Absent(L"WakeSourceText"));
    noSleep.values[0] = Absent(L"SleepTime");
    EXPECT_EQ(0u, LastWakeOf(noSleep).sleepTimeUtc);
    EXPECT_TRUE(LastWakeOf(noSleep).present);
}

TEST(LastWakeEvents, NoWakeWithoutTheWakeTimeOrFromAnotherEvent) {
    RenderedEvent noWake = WakeEvent(kSleep1, kWake1, Text(L"WakeSourceText", kRealtek));
    noWake.values[1] = Absent(L"WakeTime");
    EXPECT_FALSE(LastWakeOf(noWake).present);
    noWake.values[1] = Text(L"WakeTime", L"2010-10-01T21:28:48.9212008Z");
    EXPECT_FALSE(LastWakeOf(noWake).present);

    RenderedEvent other = WakeEvent(kSleep1, kWake1, Text(L"WakeSourceText", kRealtek));
    other.id = 2;
    EXPECT_FALSE(LastWakeOf(other).present);
    other = WakeEvent(kSleep1, kWake1, Text(L"WakeSourceText", kRealtek));
    other.provider = L"Microsoft-Windows-Kernel-Power";
    EXPECT_FALSE(LastWakeOf(other).present);
    EXPECT_FALSE(LastWakeOf(RenderedEvent{}).present);
}

TEST(LastWakeEvents, StartsByBootType) {
    for (int type : {kFullStart, kFastStartup, kResumedFromHibernation}) {
        const LastStart start = LastStartOf(BootEvent(Number(L"BootType", static_cast<std::uint64_t>(type))));
        EXPECT_TRUE(start.present);
        EXPECT_EQ(type, start.bootType);
        EXPECT_EQ(kWake2, start.timeUtc);  // when the event was written
    }
    EXPECT_FALSE(LastStartOf(BootEvent(Absent(L"BootType"))).present);
    EXPECT_FALSE(LastStartOf(BootEvent(Text(L"BootType", L"0x0"))).present);
    RenderedEvent wake = BootEvent(Number(L"BootType", 0));
    wake.provider = L"Microsoft-Windows-Power-Troubleshooter";
    EXPECT_FALSE(LastStartOf(wake).present);
}

std::wstring FakeTime(std::uint64_t time) {
    return L"T" + std::to_wstring(time);
}
std::wstring FakeText(const wchar_t* key) {
    return std::wstring(L"[") + key + L"]";
}
const LastTimeWords kWords{&FakeTime, &FakeText};

struct Said {
    std::wstring key;
    std::vector<std::wstring> args;
    bool operator==(const Said& other) const { return key == other.key && args == other.args; }
};
std::ostream& operator<<(std::ostream& out, const Said& said) {
    out << std::string(said.key.begin(), said.key.end());
    for (const std::wstring& a : said.args) out << " | " << std::string(a.begin(), a.end());
    return out;
}

std::vector<Said> Findings(const LastWakeRecord& record, const std::vector<Adapter>& adapters = {}) {
    std::vector<Said> said;
    for (const Finding& f : LastTimeFindings(record, adapters, kWords)) said.push_back({f.key, f.args});
    return said;
}

LastWakeRecord Record(LastWake wake, LastStart start = {}, int wakeUpType = kNoWakeUpType) {
    return {std::move(wake), start, wakeUpType};
}

LastWake WokenBy(const std::wstring& source) {
    return {true, kSleep1, kWake1, source};
}

TEST(LastTimeFindings, NothingReadSaysNothing) {
    EXPECT_TRUE(Findings({}).empty());
    EXPECT_TRUE(Findings(Record({}, {}, 0)).empty());  // "reserved": the firmware says nothing
    EXPECT_TRUE(Findings(Record({}, {}, 9)).empty());
}

TEST(LastTimeFindings, TheWakeSourceNamedAndThisPcsCardRecognised) {
    // Windows Vista and later label a card with its connection's name; XP
    // with its device name.
    std::vector<Adapter> cards(3);
    cards[0].label = L"Ethernet";
    cards[0].description = L"REALTEK PCIE GBE FAMILY CONTROLLER";
    cards[1].label = L"Wi-Fi";
    cards[1].description = L"Intel(R) Wi-Fi 6 AX201 160MHz";
    cards[2].label = L"Intel(R) PRO/1000 MT Network Connection";
    EXPECT_EQ((std::vector<Said>{{L"LAST_WOKE_BY_CARD", {FakeTime(kWake1), kRealtek}}}),
              Findings(Record(WokenBy(kRealtek)), cards));
    EXPECT_EQ((std::vector<Said>{{L"LAST_WOKE_BY", {FakeTime(kWake1), kUsbHost}}}), Findings(Record(WokenBy(kUsbHost)), cards));
    EXPECT_EQ((std::vector<Said>{{L"LAST_WOKE_BY", {FakeTime(kWake1), L"HID Keyboard Device"}}}),
              Findings(Record(WokenBy(L"HID Keyboard Device")), cards));
    EXPECT_EQ((std::vector<Said>{{L"LAST_WOKE_NO_SOURCE", {FakeTime(kWake1)}}}), Findings(Record(WokenBy(L"")), cards));
    EXPECT_EQ(L"LAST_WOKE_BY_CARD", Findings(Record(WokenBy(L"Intel(R) PRO/1000 MT Network Connection")), cards)[0].key);
    EXPECT_EQ(L"LAST_WOKE_BY", Findings(Record(WokenBy(kRealtek)), {})[0].key);
    // A card's name within a longer one is another device.
    EXPECT_EQ(L"LAST_WOKE_BY", Findings(Record(WokenBy(std::wstring(kRealtek) + L" #2")), cards)[0].key);
}

TEST(LastTimeFindings, TheFirmwaresWordGoesWithAFullStartOnly) {
    const LastStart full{true, kWake2, kFullStart}, fast{true, kWake2, kFastStartup},
        resumed{true, kWake2, kResumedFromHibernation}, odd{true, kWake2, 7};
    const std::wstring at = FakeTime(kWake2);
    EXPECT_EQ((std::vector<Said>{{L"LAST_START_FULL_FIRMWARE", {at, L"[WAKEUP_LAN_REMOTE]"}}}), Findings(Record({}, full, 5)));
    EXPECT_EQ((std::vector<Said>{{L"LAST_START_FULL", {at}}}), Findings(Record({}, full)));
    EXPECT_EQ((std::vector<Said>{{L"LAST_START_FAST_FIRMWARE", {at, L"[WAKEUP_POWER_SWITCH]"}}}), Findings(Record({}, fast, 6)));
    EXPECT_EQ((std::vector<Said>{{L"LAST_START_FAST", {at}}}), Findings(Record({}, fast)));
    EXPECT_EQ((std::vector<Said>{{L"LAST_START_RESUMED_FIRMWARE", {at, L"[WAKEUP_PCI_PME]"}}}), Findings(Record({}, resumed, 7)));
    EXPECT_EQ((std::vector<Said>{{L"LAST_START_RESUMED", {at}}}), Findings(Record({}, resumed, 0)));
    // No start recorded (Windows 7, or a log cleared), or a boot type
    // Windows had not defined: the firmware's word alone, with its doubt.
    EXPECT_EQ((std::vector<Said>{{L"LAST_FIRMWARE_ONLY", {L"[WAKEUP_AC_POWER]"}}}), Findings(Record({}, {}, 8)));
    EXPECT_EQ((std::vector<Said>{{L"LAST_FIRMWARE_ONLY", {L"[WAKEUP_LAN_REMOTE]"}}}), Findings(Record({}, odd, 5)));
    EXPECT_TRUE(Findings(Record({}, odd)).empty());
    // The wake first, then the start.
    const std::vector<Said> both = Findings(Record(WokenBy(L""), full, 6));
    ASSERT_EQ(2u, both.size());
    EXPECT_EQ(L"LAST_WOKE_NO_SOURCE", both[0].key);
    EXPECT_EQ(L"LAST_START_FULL_FIRMWARE", both[1].key);
}

TEST(LastTimeFindings, EveryDefinedWakeUpTypeHasItsOwnName) {
    std::vector<std::wstring> keys;
    for (int type = 1; type <= 8; ++type) {
        ASSERT_NE(nullptr, WakeUpTypeKey(type)) << type;
        keys.push_back(WakeUpTypeKey(type));
    }
    for (std::size_t i = 0; i < keys.size(); ++i)
        for (std::size_t j = i + 1; j < keys.size(); ++j) EXPECT_NE(keys[i], keys[j]);
    for (int type : {-1, 0, 9, 0xFF}) EXPECT_EQ(nullptr, WakeUpTypeKey(type)) << type;
}

}  // namespace

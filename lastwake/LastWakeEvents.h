#pragma once
// What the System event log recorded of the last wake from sleep and of the
// last start, made from the values of one event as the reader rendered them
// by name. Platform-free.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One value of an event's data, by name, as the reader rendered it.
struct EventValue {
    enum class Kind { Absent, Time, Text, Number };
    std::wstring name;
    Kind kind = Kind::Absent;  // absent where the event has no such value, or one of another type
    std::uint64_t number = 0;  // a time: a FILETIME in UTC
    std::wstring text;
};

struct RenderedEvent {
    std::wstring provider;
    unsigned id = 0;
    std::uint64_t createdUtc = 0;  // when it was written: a FILETIME in UTC
    std::vector<EventValue> values;
};

// The newest event the reader looks for, and the names of the data it
// renders of it.
struct EventSought {
    const wchar_t* provider;
    unsigned id;
    const wchar_t* const* names;
    std::size_t count;
};
extern const EventSought kLastWakeEvent;   // the resume from sleep or hibernation
extern const EventSought kLastStartEvent;  // the boot type (Windows 8 and later)
extern const EventSought kStandbyEntryEvent;  // entering Modern Standby (Kernel-Power 506)
extern const EventSought kStandbyExitEvent;   // leaving it (Kernel-Power 507)

enum class WokeFrom : unsigned char { Sleep, Hibernation, ModernStandby };

struct LastWake {
    bool present = false;
    std::uint64_t sleepTimeUtc = 0, wakeTimeUtc = 0;  // FILETIME; sleep 0 where not recorded
    std::wstring source;                              // a device's name; empty where none was recorded
    WokeFrom from = WokeFrom::Sleep;
    long targetState = -1;     // TargetState: 4 sleep (S3), 5 hibernation; -1 where not recorded
    long wakeSourceType = -1;  // WakeSourceType as the event gives it; -1 where not recorded
    long reason = -1;          // why Modern Standby ended (507's Reason); -1 where not recorded
};

constexpr long kTargetHibernation = 5;

// Boot types as the event gives them.
constexpr int kFullStart = 0, kFastStartup = 1, kResumedFromHibernation = 2;

struct LastStart {
    bool present = false;
    std::uint64_t timeUtc = 0;
    int bootType = -1;
};

// Present only for the wake event with its wake time; from hibernation
// where its target state says so.
LastWake LastWakeOf(const RenderedEvent& event);
// Present only for a Modern Standby exit: its time, its reason, and the
// entry before it as the time it went to sleep.
LastWake StandbyExitOf(const RenderedEvent& exit, const RenderedEvent& entry);
// The later of the two that are present.
LastWake NewestWake(const LastWake& a, const LastWake& b);
// Present only for the boot event with a boot type.
LastStart LastStartOf(const RenderedEvent& event);

#pragma once
// The "last time" paragraph of the readiness check: when this PC last woke
// from sleep and what woke it, how it last started, and what the firmware
// says started it. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

#include "LastWakeEvents.h"
#include "SmbiosWakeUp.h"
#include "net/Adapter.h"
#include "text/Finding.h"

// All that was read; each part absent where it could not be.
struct LastWakeRecord {
    LastWake wake;
    LastStart start;
    int wakeUpType = kNoWakeUpType;
};

// How the paragraph's words are had: a time in the user's zone and locale,
// and a language text (the wake-up types' names).
struct LastTimeWords {
    std::wstring (*time)(std::uint64_t fileTimeUtc);
    std::wstring (*text)(const wchar_t* key);
};

// The language key of a wake-up type; null for "reserved" and for values
// that the firmware's tables do not define.
const wchar_t* WakeUpTypeKey(int wakeUpType);

// Nothing where nothing was read. The firmware's wake-up type goes with a
// full start only: after a Fast Startup or a resume from hibernation, and
// where Windows recorded no start, it may be an earlier start's. A wake
// source that names one of `adapters` (its device name, as the event log
// writes it, or its label, in any case) is named as this PC's network card.
std::vector<Finding> LastTimeFindings(const LastWakeRecord& record, const std::vector<Adapter>& adapters,
                                      const LastTimeWords& words);

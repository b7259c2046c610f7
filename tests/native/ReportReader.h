#pragma once
// A report read back into what the check's rules take: the survey's
// answers, the driver keys, the power facts. What turns a user's report
// into a test.
#include <string>
#include <vector>

#include "FixedAdapterFacts.h"
#include "netcheck/CheckFacts.h"
#include "lastwake/LastTimeFindings.h"

struct ReadBack {
    unsigned format = 0;
    FixedAdapterFacts source;
    std::vector<DriverKey> keys;
    std::vector<DevicePower> devices;
    PowerStates states;
    FastStartupValues fastStartup;
    bool macComplete = false;
    LastWakeRecord last;
    // What the report says the rules made of them, a line each: "kind" and
    // "card" lines of the adapters, then every finding and verdict by key.
    std::vector<std::wstring> outcome;
};

// False where a line is not understood; `failed` then holds it.
bool ReadReport(const std::wstring& text, ReadBack& out, std::wstring& failed);

// The facts the check would have had: the read answers surveyed.
CheckFacts FactsOf(ReadBack& read);

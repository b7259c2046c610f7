#pragma once
// What the check makes of what it read, made once: the dialog shows it and
// the report writes it, so a report read back tests what the dialog showed.
// Platform-free.
#include <vector>

#include "CheckFacts.h"
#include "WakeVerdicts.h"
#include "lastwake/LastTimeFindings.h"

struct CheckConclusions {
    std::vector<Finding> network;     // about where Power ON's packet leaves
    std::vector<Finding> verdictsBy;  // the card the verdicts are for; none without one
    std::vector<VerdictLine> verdicts;
    std::vector<Finding> lastTime;    // empty until the last wake is read
    std::vector<Finding> readiness;   // what stops this PC from waking
};

// `words`: the times and texts of the last wake's findings.
CheckConclusions ConcludeCheck(const CheckFacts& facts, const LastWakeRecord& last, const LastTimeWords& words);

#include "CheckConclusions.h"

#include "CheckRules.h"

CheckConclusions ConcludeCheck(const CheckFacts& facts, const LastWakeRecord& last, const LastTimeWords& words) {
    const std::vector<Adapter>& adapters = facts.adapters;
    CheckConclusions c;
    c.network = CheckFindings(adapters, SubnetsOf(adapters), facts.macComplete);
    const PcPower power = PcPowerOf(facts.states, facts.fastStartup);
    const int card = WakeCardOf(adapters);
    if (card >= 0) c.verdictsBy.push_back({L"READY_VERDICTS_BY", {adapters[static_cast<std::size_t>(card)].label}});
    c.verdicts = WakeVerdicts(adapters, card, power);
    c.lastTime = LastTimeFindings(last, adapters, words);
    c.readiness = ReadinessFindings(adapters, power);
    return c;
}

#include "CheckFactsReader.h"

#include "WakeSettingsReader.h"
#include "net/SystemAdapterFacts.h"
#include "power/PowerStatesReader.h"

CheckFacts ReadCheckFacts(bool macComplete) {
    CheckFacts facts;
    facts.keys = ReadDriverKeys(&facts.devices);
    facts.adapters = SurveyThisPc(facts.keys);
    facts.states = ReadPowerStates();
    facts.fastStartup = ReadFastStartupValues();
    facts.macComplete = macComplete;
    return facts;
}

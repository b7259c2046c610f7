#pragma once
// This PC's sleep states as Windows reports them (powrprof's
// GetPwrCapabilities, Windows 2000 and later, no administrator rights).
// powrprof.dll is loaded at the first call, never with the program.
#include "PowerFacts.h"

PowerStates ReadPowerStates();

#pragma once
// This PC's adapters as the network check lists them, asked of the system:
// the adapter list of every Windows from 2000 on, with what newer systems
// add (friendly names, the Wi-Fi type, virtual adapters) where they have it.
#include <vector>

#include "CheckRules.h"

std::vector<CheckAdapter> SurveyAdapters();

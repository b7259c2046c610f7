#pragma once
// The system's answers for the adapter survey, as a test or a benchmark
// sets them.
#include <vector>

#include "net/AdapterSurvey.h"

class FixedAdapterFacts : public AdapterFactsSource {
public:
    bool InterfaceTable(std::vector<InterfaceFacts>& rows) override {
        rows = table;
        return hasTable;
    }
    bool AddressLists(std::vector<AdapterFacts>& adapters) override {
        adapters = lists;
        return true;
    }
    bool PowerOnIndex(unsigned long& index) override {
        index = powerOn;
        return powerOn != 0;
    }

    std::vector<InterfaceFacts> table;
    std::vector<AdapterFacts> lists;
    bool hasTable = true;
    unsigned long powerOn = 0;  // none
};

#pragma once
// The system's own answers for the adapter survey: the interface table from
// Windows Vista on, the address lists of Windows XP, and of Windows 2000.
// Everything newer than Windows 2000 is looked up at run time.
#include <vector>

#include "AdapterSurvey.h"

class SystemAdapterFacts final : public AdapterFactsSource {
public:
    bool InterfaceTable(std::vector<InterfaceFacts>& rows) override;
    bool AddressLists(std::vector<AdapterFacts>& adapters) override;
    bool PowerOnIndex(unsigned long& index) override;
};

// This PC's adapters, as the system reports them now, with their driver
// keys' values where the caller read them.
std::vector<Adapter> SurveyThisPc(const std::vector<DriverKey>& keys = {});

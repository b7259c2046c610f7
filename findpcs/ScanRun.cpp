#include "ScanRun.h"

#include "NameLookups.h"
#include "SystemNeighbours.h"
#include "net/SystemAdapterFacts.h"

ScanResult RunScan(HANDLE stop, ScanListener& listener) {
    ScanResult result;
    result.adapters = SurveyThisPc();
    result.plan = PlanScan(result.adapters, SubnetsOf(result.adapters));
    listener.Planned(result.plan, result.adapters);
    if (result.plan.empty()) return result;
    {
        SystemNeighbours system(stop);
        SweepByArp(result.plan, system, listener, result.found);
    }
    listener.Swept(result.found);
    std::vector<std::uint32_t> addresses;
    for (const FoundDevice& d : result.found) addresses.push_back(d.address);
    LookUpNames(addresses, kNameWaitMs, stop, [&](std::size_t i, const std::wstring& name) {
        result.found[i].name = name;
        listener.Named(result.found[i].address, name);
    });
    return result;
}

#pragma once
// One whole scan on the calling thread: this PC's adapters, the plan of
// their subnets, the ARP sweep, then the names. The window runs it on its
// worker's thread, the command line on its own.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ArpSweep.h"
#include "ScanPlan.h"

class ScanListener : public SweepSink {
public:
    // The plan, before anything is asked.
    virtual void Planned(const std::vector<ScanSubnet>& plan, const std::vector<Adapter>& adapters) = 0;
    // The sweep is over; names come now.
    virtual void Swept(const std::vector<FoundDevice>& found) = 0;
    virtual void Named(std::uint32_t address, const std::wstring& name) = 0;

protected:
    ~ScanListener() = default;
};

struct ScanResult {
    std::vector<Adapter> adapters;
    std::vector<ScanSubnet> plan;  // empty: no connected IPv4 network
    std::vector<FoundDevice> found;
};

// `stop` (borrowed, may be null) ends it early; what was found so far is kept.
ScanResult RunScan(HANDLE stop, ScanListener& listener);

#pragma once
// The scan's sweep of its addresses by ARP, over the system's calls as one
// seam, so that each system's path can be driven without a network:
//  - Vista and later: every address is made to resolve by a datagram to its
//    discard port and the answers are read from GetIpNetTable2; an address
//    the table held before the scan is asked anew with ResolveIpNetEntry2,
//    which flushes its entry, so that a PC gone to sleep since is not listed
//    from the cache;
//  - 2000 and XP: SendARP for each address where the system answers it,
//    else the same datagrams and GetIpNetTable.
// Platform-free.
#include <cstddef>
#include <cstdint>
#include "framework/CallbackRef.h"
#include <vector>

#include "NeighbourRules.h"
#include "ScanPlan.h"
#include "wakewait/ProbeFacts.h"

// How many ARP questions are open at once: a few dozen answer a /24 in
// seconds without one thread for each address.
constexpr std::size_t kArpInFlight = 48;
// Datagrams sent in one go, and the pause before the next go.
constexpr std::size_t kProvokeWave = 32;
constexpr unsigned long kProvokePauseMs = 15;
// How long the table is watched for answers after the last datagram: a
// device answers ARP within milliseconds; the system's own retries of a
// silent address end within three seconds whatever is waited.
constexpr unsigned long kAnswerWaitMs = 1500;
constexpr unsigned long kTableReadEveryMs = 100;

constexpr unsigned long kSendArpNotSupported = 50;  // ERROR_NOT_SUPPORTED

class NeighbourSystem {
public:
    // Whether ResolveIpNetEntry2 is there (Vista and later).
    virtual bool HasResolve() = 0;
    virtual Neighbour Resolve(std::uint32_t address, unsigned long ifIndex, MacAddress& mac) = 0;
    // SendARP's result code; `mac` holds what it gave on NO_ERROR.
    virtual unsigned long SendArp(std::uint32_t address, MacAddress& mac, unsigned& macLength) = 0;
    // A datagram to the address's discard port.
    virtual void Provoke(std::uint32_t address) = 0;
    // GetIpNetTable2 where it exists, else GetIpNetTable; false when neither could be read.
    virtual bool ReadTable(NeighbourTableKind& kind, std::vector<NeighbourEntry>& table) = 0;
    virtual unsigned long Ticks() = 0;
    // Waits; false once the scan was stopped.
    virtual bool Pause(unsigned long ms) = 0;
    virtual bool Stopped() = 0;
    // task(0) ... task(count - 1), at most `inFlight` at once, possibly on
    // several threads; returns once every task that began has ended.
    virtual void RunBounded(std::size_t count, std::size_t inFlight, CallbackRef<void(std::size_t)> task) = 0;
    // Runs `step` while no other thread of RunBounded runs one.
    virtual void Exclusive(CallbackRef<void()> step) = 0;

protected:
    ~NeighbourSystem() = default;
};

enum class ArpPath : unsigned char { Resolve, SendArp, Datagrams };

// Told of each device as it answers and of how many addresses are done;
// called from the sweep's threads, one call at a time.
class SweepSink {
public:
    virtual void Answered(const FoundDevice& device) = 0;
    virtual void Progress(std::size_t done, std::size_t total) = 0;

protected:
    ~SweepSink() = default;
};

// Sweeps the plan; returns the path it took. `found` ends with every device
// that answered, sorted by address, proxy ARP marked.
ArpPath SweepByArp(const std::vector<ScanSubnet>& plan, NeighbourSystem& system, SweepSink& sink,
                   std::vector<FoundDevice>& found);

#pragma once
// The scan as the window's worker runs it: on the worker's thread, telling
// the window that there is news (one post until the window has taken it,
// however fast devices answer), and keeping the news under its lock until
// the window takes it.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ScanRun.h"
#include "framework/CCriticalSection.h"
#include "framework/CWorker.h"

// What runs the scan: RunScan, or a test's stand-in.
using ScanFunction = ScanResult (*)(HANDLE stop, ScanListener& listener);

struct ScanNews {
    bool planned = false;  // the plan came with this news
    std::vector<ScanSubnet> plan;
    std::vector<FoundDevice> devices;  // answered since the last news
    std::vector<std::pair<std::uint32_t, std::wstring>> names;
    bool swept = false;  // the sweep is over: proxy ARP is known
    std::vector<std::uint32_t> proxies;  // the addresses a router's proxy ARP answered for
    std::size_t done = 0, total = 0;
};

class ScanJob final : public CWorker::Job, private ScanListener {
public:
    explicit ScanJob(ScanFunction scan) : m_scan(scan) {}
    void Run(const CWorker::Context& context) override;
    // What came since the last call; called on the window's thread.
    ScanNews Take();

private:
    void Planned(const std::vector<ScanSubnet>& plan, const std::vector<Adapter>& adapters) override;
    void Answered(const FoundDevice& device) override;
    void Progress(std::size_t done, std::size_t total) override;
    void Swept(const std::vector<FoundDevice>& found) override;
    void Named(std::uint32_t address, const std::wstring& name) override;
    void Tell();  // under m_lock

    ScanFunction m_scan;
    const CWorker::Context* m_context = nullptr;
    CCriticalSection m_lock;
    ScanNews m_news;
    bool m_bTold = false;  // a post waits for the window
};

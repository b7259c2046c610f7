#include "ScanJob.h"

#include "res/resource.h"

void ScanJob::Run(const CWorker::Context& context) {
    m_context = &context;
    m_scan(context.StopEvent(), *this);
    context.Post(WM_APP_SCAN_DONE);
}

ScanNews ScanJob::Take() {
    const CCriticalSection::Lock lock(m_lock);
    ScanNews news = std::move(m_news);  // the counts stay
    m_news.planned = m_news.swept = false;
    m_news.plan.clear();
    m_news.devices.clear();
    m_news.names.clear();
    m_news.proxies.clear();
    m_bTold = false;
    return news;
}

void ScanJob::Tell() {
    if (m_bTold) return;
    m_bTold = m_context->Post(WM_APP_SCAN_NEWS);
}

void ScanJob::Planned(const std::vector<ScanSubnet>& plan, const std::vector<Adapter>&) {
    const CCriticalSection::Lock lock(m_lock);
    m_news.planned = true;
    m_news.plan = plan;
    m_news.total = TargetCount(plan);
    Tell();
}

void ScanJob::Answered(const FoundDevice& device) {
    const CCriticalSection::Lock lock(m_lock);
    m_news.devices.push_back(device);
    Tell();
}

void ScanJob::Progress(std::size_t done, std::size_t total) {
    const CCriticalSection::Lock lock(m_lock);
    m_news.done = done;
    m_news.total = total;
    Tell();
}

void ScanJob::Swept(const std::vector<FoundDevice>& found) {
    const CCriticalSection::Lock lock(m_lock);
    m_news.swept = true;
    for (const FoundDevice& d : found)
        if (d.proxy) m_news.proxies.push_back(d.address);
    Tell();
}

void ScanJob::Named(std::uint32_t address, const std::wstring& name) {
    const CCriticalSection::Lock lock(m_lock);
    m_news.names.emplace_back(address, name);
    Tell();
}

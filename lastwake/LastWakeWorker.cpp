#include "LastWakeWorker.h"

#include <memory>

#include "LastWakeRecordReader.h"
#include "framework/CCriticalSection.h"

class LastWakeWorker::Job final : public CWorker::Job {
public:
    void Run(const CWorker::Context& context) override {
        const LastWakeRecord read = ReadLastWakeRecord();
        {
            const CCriticalSection::Lock lock(m_lock);
            m_record = read;
        }
        context.Post(kRead);
    }
    LastWakeRecord Record() {
        const CCriticalSection::Lock lock(m_lock);
        return m_record;
    }

private:
    CCriticalSection m_lock;  // guards m_record
    LastWakeRecord m_record;  // empty until read whole
};

bool LastWakeWorker::Start(HWND window) { return m_worker.Start(window, std::make_unique<Job>()); }

LastWakeRecord LastWakeWorker::TakeRecord() const {
    Job* job = m_worker.CurrentAs<Job>();
    return job ? job->Record() : LastWakeRecord();
}

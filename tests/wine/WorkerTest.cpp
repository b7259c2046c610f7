// The one worker's rules on real threads: a result after Stop, or from a
// job that a newer one replaced, never reaches the window; a start that
// finds no thread frees its job once; Stop returns while the job is still
// blocked, and the job is freed once when its thread ends, even after the
// worker has gone.
#include <gtest/gtest.h>

#include <memory>

#include "framework/CHandle.h"
#include "framework/COwnedWindow.h"
#include "framework/CWorker.h"

namespace {

constexpr UINT kResult = WM_APP + 0x3F0;

struct Counts {
    volatile LONG destroyed = 0;
    volatile LONG posted = 0;
    volatile LONG dropped = 0;
};

LONG Read(volatile LONG& value) { return ::InterlockedCompareExchange(&value, 0, 0); }

// Blocks on `release` (not on the stop event: a system call that ignores
// it), then posts its result.
class BlockedJob final : public CWorker::Job {
public:
    BlockedJob(Counts& counts, HANDLE release) : m_counts(counts), m_release(release) {}
    ~BlockedJob() override { ::InterlockedIncrement(&m_counts.destroyed); }
    void Run(const CWorker::Context& context) override {
        ::WaitForSingleObject(m_release, 10000);
        ::InterlockedIncrement(context.Post(kResult, 42) ? &m_counts.posted : &m_counts.dropped);
    }

private:
    Counts& m_counts;
    HANDLE m_release;
};

std::unique_ptr<CWorker::Job> Blocked(Counts& counts, const CHandle& release) {
    return std::make_unique<BlockedJob>(counts, release.Get());
}

CHandle Event() { return CHandle(::CreateEventW(nullptr, TRUE, FALSE, nullptr)); }

// Until `value` reaches `wanted`, for up to five seconds.
bool Eventually(volatile LONG& value, LONG wanted) {
    for (int i = 0; i < 500 && Read(value) != wanted; ++i) ::Sleep(10);
    return Read(value) == wanted;
}

// The serials of the results that reach `window` within `ms`.
std::vector<WPARAM> Arrived(HWND window, DWORD ms) {
    std::vector<WPARAM> serials;
    const DWORD start = ::GetTickCount();
    do {
        MSG msg{};
        while (::PeekMessageW(&msg, window, kResult, kResult, PM_REMOVE)) serials.push_back(msg.wParam);
        ::Sleep(10);
    } while (::GetTickCount() - start < ms);
    return serials;
}

HANDLE WINAPI NoThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD) {
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

TEST(Worker, StopNeverWaitsAndDropsTheResultAndTheJobOutlivesItsWorker) {
    const COwnedWindow window = MessageOnlyWindow();
    const CHandle release = Event();
    Counts counts;
    {
        CWorker worker;
        ASSERT_TRUE(worker.Start(window.Get(), Blocked(counts, release)));
        const unsigned serial = worker.Serial();
        EXPECT_TRUE(worker.IsCurrent(serial));
        EXPECT_NE(nullptr, worker.Current());
        const DWORD before = ::GetTickCount();
        worker.Stop();
        EXPECT_LT(::GetTickCount() - before, 100u) << "Stop waited for the blocked job";
        EXPECT_FALSE(worker.IsCurrent(serial));
        EXPECT_EQ(nullptr, worker.Current());
        EXPECT_EQ(0, Read(counts.destroyed)) << "freed while its thread still runs it";
    }  // the worker goes while its job is still blocked
    ::SetEvent(release.Get());
    EXPECT_TRUE(Eventually(counts.destroyed, 1));
    EXPECT_EQ(1, Read(counts.dropped));
    EXPECT_EQ(0, Read(counts.posted));
    EXPECT_TRUE(Arrived(window.Get(), 200).empty());
    ::Sleep(100);
    EXPECT_EQ(1, Read(counts.destroyed)) << "freed once";
}

TEST(Worker, ANewerJobsSerialWins) {
    const COwnedWindow window = MessageOnlyWindow();
    const CHandle releaseOld = Event(), releaseNew = Event();
    Counts oldCounts, newCounts;
    CWorker worker;
    ASSERT_TRUE(worker.Start(window.Get(), Blocked(oldCounts, releaseOld)));
    const unsigned oldSerial = worker.Serial();
    ASSERT_TRUE(worker.Start(window.Get(), Blocked(newCounts, releaseNew)));
    const unsigned newSerial = worker.Serial();
    EXPECT_NE(oldSerial, newSerial);
    EXPECT_FALSE(worker.IsCurrent(oldSerial));
    EXPECT_TRUE(worker.IsCurrent(newSerial));

    // The old job ends after the new one has posted: its result is still dropped.
    ::SetEvent(releaseNew.Get());
    ASSERT_TRUE(Eventually(newCounts.posted, 1));
    ::SetEvent(releaseOld.Get());
    EXPECT_TRUE(Eventually(oldCounts.destroyed, 1));
    EXPECT_EQ(1, Read(oldCounts.dropped));
    EXPECT_EQ(std::vector<WPARAM>{newSerial}, Arrived(window.Get(), 200));
    EXPECT_EQ(0, Read(newCounts.destroyed)) << "the current job stays readable after it posted";
    worker.Stop();
    EXPECT_TRUE(Eventually(newCounts.destroyed, 1));
}

TEST(Worker, AStartWithoutAThreadFreesTheJobOnceAndPostsNothing) {
    const COwnedWindow window = MessageOnlyWindow();
    const CHandle release = Event();
    Counts counts;
    CWorker worker(&NoThread);
    EXPECT_FALSE(worker.Start(window.Get(), Blocked(counts, release)));
    EXPECT_EQ(1, Read(counts.destroyed)) << "freed before Start returned";
    EXPECT_FALSE(worker.IsCurrent(worker.Serial()));
    EXPECT_EQ(nullptr, worker.Current());
    worker.Stop();  // nothing left to stop: nothing freed twice
    EXPECT_EQ(1, Read(counts.destroyed));
    EXPECT_TRUE(Arrived(window.Get(), 100).empty());
}

}  // namespace

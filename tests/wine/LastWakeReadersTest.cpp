// The readers of the last wake against the system they run on, and the
// worker that runs them off the dialog's thread. Wine 8 keeps no System log
// (EvtQuery answers null) and exports EvtCreateRenderContext only as a stub
// that aborts the process when called; it hands out a synthetic SMBIOS table
// whose type 1 says "unknown" (2) where the host's own tables are not
// readable. The Windows shapes are tested natively.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lastwake/EventLogReader.h"
#include "lastwake/FirmwareWakeUpReader.h"
#include "lastwake/LastWakeWorker.h"
#include "lastwake/LocalTimeText.h"

namespace {

class MessageWindow {
public:
    MessageWindow() : m_hWnd(::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~MessageWindow() { ::DestroyWindow(m_hWnd); }
    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

// The serials of the worker's posts within `ms` milliseconds, or until
// `count` have come.
std::vector<unsigned> PostedSerials(HWND window, DWORD ms, std::size_t count = 100) {
    std::vector<unsigned> serials;
    const DWORD start = ::GetTickCount();
    while (serials.size() < count && ::GetTickCount() - start < ms) {
        MSG msg{};
        while (::PeekMessageW(&msg, window, LastWakeWorker::kRead, LastWakeWorker::kRead, PM_REMOVE))
            serials.push_back(static_cast<unsigned>(msg.wParam));
        ::Sleep(10);
    }
    return serials;
}

TEST(LastWakeReaders, TheFirmwareTableAsTheSystemHandsItOut) {
    const std::vector<std::uint8_t> raw = ReadRawSmbios();
    ASSERT_GE(raw.size(), 8u);
    const std::uint32_t length = static_cast<std::uint32_t>(raw[4] | raw[5] << 8 | raw[6] << 16) |
                                 static_cast<std::uint32_t>(raw[7]) << 24;
    EXPECT_EQ(raw.size() - 8, length);  // the size written, not the buffer's
    const int wakeUpType = ReadFirmwareWakeUpType();
    EXPECT_NE(kNoWakeUpType, wakeUpType);
    if (raw.size() == 131) {
        EXPECT_EQ(2, wakeUpType);  // Wine's own table
    }
    RecordProperty("rsmb_bytes", static_cast<int>(raw.size()));
    RecordProperty("wake_up_type", wakeUpType);
}

TEST(LastWakeReaders, WithoutASystemLogTheEventsAreAbsent) {
    RenderedEvent event;
    EXPECT_FALSE(ReadNewestEvent(kLastWakeEvent, event));
    EXPECT_FALSE(ReadNewestEvent(kLastStartEvent, event));
    EXPECT_FALSE(ReadNewestEvent(kStandbyExitEvent, event));  // Kernel-Power 507
    EXPECT_FALSE(ReadNewestEvent(kStandbyEntryEvent, event));  // and 506
    EXPECT_FALSE(ReadLastWake().present);
    EXPECT_FALSE(ReadLastStart().present);
}

TEST(LastWakeReaders, TimesInTheUsersLocale) {
    const std::wstring text = LocalTimeText(129304421289212008);  // 2010-10-01T21:28:48.9212008Z
    EXPECT_NE(std::wstring::npos, text.find(L"2010")) << std::string(text.begin(), text.end());
    EXPECT_NE(std::wstring::npos, text.find(L"28")) << std::string(text.begin(), text.end());  // the minutes
    EXPECT_EQ(L"", LocalTimeText(0xFFFFFFFFFFFFFFFFull));  // past what a SYSTEMTIME holds
}

TEST(LastWakeWorker, PostsOnceWithWhatTheReadersRead) {
    MessageWindow window;
    LastWakeWorker worker;
    EXPECT_EQ(kNoWakeUpType, worker.TakeRecord().wakeUpType);  // no job yet
    ASSERT_TRUE(worker.Start(window.Get()));
    const unsigned serial = worker.Serial();
    const std::vector<unsigned> posted = PostedSerials(window.Get(), 5000, 1);
    ASSERT_EQ(1u, posted.size());
    EXPECT_EQ(serial, posted[0]);
    EXPECT_TRUE(PostedSerials(window.Get(), 300).empty()) << "once only";
    const LastWakeRecord record = worker.TakeRecord();
    EXPECT_EQ(ReadFirmwareWakeUpType(), record.wakeUpType);
    EXPECT_FALSE(record.wake.present);
    EXPECT_FALSE(record.start.present);

    // A new job is told apart from the old; Stop never waits for the thread
    // and lets go of the job's record.
    ASSERT_TRUE(worker.Start(window.Get()));
    EXPECT_NE(serial, worker.Serial());
    const DWORD before = ::GetTickCount();
    worker.Stop();
    EXPECT_LT(::GetTickCount() - before, 100u);
    EXPECT_EQ(kNoWakeUpType, worker.TakeRecord().wakeUpType);
    for (unsigned late : PostedSerials(window.Get(), 500)) EXPECT_NE(serial, late);
}

}  // namespace

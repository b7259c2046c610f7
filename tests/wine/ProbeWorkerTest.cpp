// The wait's worker thread, probing this machine's loopback address: what
// it posts, and that Stop ends it at once and silences it.
#include <gtest/gtest.h>

#include <vector>

#include "wakewait/ProbeWorker.h"

namespace {

struct Posted {
    UINT message;
    unsigned serial;
    bool yes;
};

// Reads the messages the worker posts to a message-only window for up to
// `ms` milliseconds, or until `count` have come.
std::vector<Posted> Collect(HWND window, DWORD ms, std::size_t count = 100) {
    std::vector<Posted> posted;
    const DWORD start = ::GetTickCount();
    while (posted.size() < count && ::GetTickCount() - start < ms) {
        MSG msg{};
        while (::PeekMessageW(&msg, window, 0, 0, PM_REMOVE))
            if (msg.message == ProbeWorker::kResolved || msg.message == ProbeWorker::kProbed)
                posted.push_back({msg.message, static_cast<unsigned>(msg.wParam), msg.lParam != 0});
        ::Sleep(10);
    }
    return posted;
}

class Window {
public:
    Window() : m_hWnd(::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~Window() { ::DestroyWindow(m_hWnd); }
    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

TEST(ProbeWorker, ResolvesProbesOnceThenEverySecondUntilStopped) {
    Window window;
    ProbeWorker worker;
    ASSERT_TRUE(worker.Start(window.Get(), "127.0.0.1"));
    const unsigned serial = worker.Serial();
    const std::vector<Posted> first = Collect(window.Get(), 5000, 2);
    ASSERT_EQ(2u, first.size());
    EXPECT_EQ(ProbeWorker::kResolved, first[0].message);
    EXPECT_TRUE(first[0].yes);
    EXPECT_EQ(0x7F000001u, worker.Address());
    EXPECT_EQ(ProbeWorker::kProbed, first[1].message);
    EXPECT_TRUE(first[1].yes);  // loopback answers
    for (const Posted& p : first) EXPECT_EQ(serial, p.serial);
    EXPECT_TRUE(Collect(window.Get(), 1500).empty()) << "no probe before Continue";

    worker.Continue();
    const std::vector<Posted> later = Collect(window.Get(), 2600);
    EXPECT_GE(later.size(), 2u);
    EXPECT_LE(later.size(), 4u);  // about one a second

    const DWORD before = ::GetTickCount();
    worker.Stop();
    EXPECT_LT(::GetTickCount() - before, 1600u);
    Collect(window.Get(), 100);  // what was posted before Stop
    EXPECT_TRUE(Collect(window.Get(), 2000).empty()) << "nothing after Stop";

    ASSERT_TRUE(worker.Start(window.Get(), "127.0.0.1"));
    EXPECT_NE(serial, worker.Serial());  // late posts of the old job are told apart
}

}  // namespace

// The wait's worker thread, probing this machine's loopback address: what
// it posts, and that Stop ends it at once and silences it.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "wakewait/ProbeWorker.h"

namespace {

struct Posted {
    UINT message;
    unsigned serial;
    std::uint32_t value;
};

// Reads the messages the worker posts to a message-only window for up to
// `ms` milliseconds, or until `count` have come.
std::vector<Posted> Collect(HWND window, DWORD ms, std::size_t count = 100) {
    std::vector<Posted> posted;
    const DWORD start = ::GetTickCount();
    while (posted.size() < count && ::GetTickCount() - start < ms) {
        MSG msg{};
        while (::PeekMessageW(&msg, window, 0, 0, PM_REMOVE))
            if (msg.message >= ProbeWorker::kResolved && msg.message <= ProbeWorker::kUnresolved)
                posted.push_back({msg.message, static_cast<unsigned>(msg.wParam), static_cast<std::uint32_t>(msg.lParam)});
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
    const std::vector<Posted> resolved = Collect(window.Get(), 5000, 1);
    ASSERT_EQ(1u, resolved.size());
    EXPECT_EQ(ProbeWorker::kResolved, resolved[0].message);
    EXPECT_EQ(0x7F000001u, resolved[0].value);  // the address travels in the message
    EXPECT_TRUE(Collect(window.Get(), 1500).empty()) << "no probe before Begin";

    worker.Begin(0);
    const std::vector<Posted> first = Collect(window.Get(), 3000, 1);
    ASSERT_EQ(1u, first.size());
    EXPECT_EQ(ProbeWorker::kProbed, first[0].message);
    std::vector<ProbeRound> rounds = worker.TakeRounds();
    ASSERT_EQ(1u, rounds.size());
    EXPECT_TRUE(rounds[0].pinged);  // loopback answers
    EXPECT_EQ(Neighbour::NotAsked, rounds[0].arp);
    for (const Posted& p : resolved) EXPECT_EQ(serial, p.serial);
    EXPECT_TRUE(Collect(window.Get(), 1500).empty()) << "no probe before Continue";

    worker.Continue();
    const std::vector<Posted> later = Collect(window.Get(), 2600);
    EXPECT_GE(later.size(), 2u);
    EXPECT_LE(later.size(), 4u);  // about one a second
    rounds = worker.TakeRounds();
    EXPECT_EQ(later.size(), rounds.size());
    for (std::size_t i = 1; i < rounds.size(); ++i) EXPECT_GE(rounds[i].startedAt - rounds[i - 1].startedAt, 900u);

    const DWORD before = ::GetTickCount();
    worker.Stop();
    EXPECT_LT(::GetTickCount() - before, 100u);  // never waits for the thread
    Collect(window.Get(), 100);  // what was posted before Stop
    EXPECT_TRUE(Collect(window.Get(), 2000).empty()) << "nothing after Stop";
    EXPECT_TRUE(worker.TakeRounds().empty());

    ASSERT_TRUE(worker.Start(window.Get(), "127.0.0.1"));
    EXPECT_NE(serial, worker.Serial());  // late posts of the old job are told apart
}

}  // namespace

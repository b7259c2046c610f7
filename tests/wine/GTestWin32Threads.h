#pragma once
// The product links the win32-thread runtime, which has no std::mutex, so
// GoogleTest is built against it too. This supplies, with a Win32 event, the
// one class GoogleTest would otherwise build from std::mutex; it is forced
// into every GoogleTest translation unit together with
// GTEST_HAS_NOTIFICATION_.
#include <windows.h>

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : m_hEvent(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    ~Notification() { ::CloseHandle(m_hEvent); }

    void Notify() { ::SetEvent(m_hEvent); }
    void WaitForNotification() { ::WaitForSingleObject(m_hEvent, INFINITE); }

private:
    HANDLE m_hEvent;
};

}  // namespace internal
}  // namespace testing

#pragma once
// When a live region's change is announced: at once, unless one went less
// than a second ago; then once, when that second is over, for whatever the
// text has become meanwhile. A flood of changes thus never floods a screen
// reader, and the last state is always told. Platform-free.
#include <cstdint>

class AnnounceThrottle {
public:
    static constexpr std::uint32_t kGapMs = 1000;

    // The text changed at `now` (a tick count that may wrap): true to
    // announce now; otherwise an announcement is pending.
    bool Changed(std::uint32_t now) {
        if (m_announced && now - m_last < kGapMs) {
            m_pending = true;
            return false;
        }
        Announce(now);
        return true;
    }
    bool Pending() const { return m_pending; }
    // How long until the pending announcement may go.
    std::uint32_t DueIn(std::uint32_t now) const { return now - m_last >= kGapMs ? 0 : kGapMs - (now - m_last); }
    // A timer came: true to announce the pending change now.
    bool Due(std::uint32_t now) {
        if (!m_pending || now - m_last < kGapMs) return false;
        Announce(now);
        return true;
    }

private:
    void Announce(std::uint32_t now) {
        m_announced = true;
        m_pending = false;
        m_last = now;
    }

    bool m_announced = false;
    bool m_pending = false;
    std::uint32_t m_last = 0;
};

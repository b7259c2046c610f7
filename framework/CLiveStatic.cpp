#include "CLiveStatic.h"

namespace {
constexpr UINT_PTR kAnnounceTimer = 1;
}

const MessageMapEntry CLiveStatic::messageEntries[] = {
    Map::Message<&CLiveStatic::OnTimer>(WM_TIMER),
};
const MessageMap CLiveStatic::messageMap{&CStatic::messageMap, messageEntries};

void CLiveStatic::PreSubclassWindow() {
    m_bLive = m_accessibility.MarkLiveRegion(m_hWnd);
}

void CLiveStatic::SetText(const std::wstring& text) {
    if (GetWindowText() == text) return;
    SetWindowText(text);
    if (!m_bLive) return;
    if (m_throttle.Changed(::GetTickCount()))
        m_accessibility.RaiseLiveRegionChanged(m_hWnd);
    else
        ::SetTimer(m_hWnd, kAnnounceTimer, m_throttle.DueIn(::GetTickCount()), nullptr);
}

void CLiveStatic::OnTimer() {
    const DWORD now = ::GetTickCount();
    if (m_throttle.Due(now)) {
        ::KillTimer(m_hWnd, kAnnounceTimer);
        m_accessibility.RaiseLiveRegionChanged(m_hWnd);
    } else if (m_throttle.Pending()) {
        ::SetTimer(m_hWnd, kAnnounceTimer, m_throttle.DueIn(now), nullptr);  // came early
    } else {
        ::KillTimer(m_hWnd, kAnnounceTimer);
    }
}

#pragma once
// A status line that a screen reader announces when it changes: a static
// marked as a polite live region (Windows 8 and later), each change raised
// at most once a second, and the last one always. A live region's name is
// its text, so it stays a static, never an edit named by a label.
#include <string>

#include "Accessibility.h"
#include "AnnounceThrottle.h"
#include "CStatic.h"

class CLiveStatic final : public CStatic {
public:
    explicit CLiveStatic(Accessibility& accessibility) : m_accessibility(accessibility) {}

    // Shows the text; a change is announced.
    void SetText(const std::wstring& text);

protected:
    void PreSubclassWindow() override;
    DECLARE_MESSAGE_MAP(CLiveStatic)

private:
    void OnTimer();

    Accessibility& m_accessibility;
    bool m_bLive = false;
    AnnounceThrottle m_throttle;
};

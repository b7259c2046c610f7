// CLinkStatic on a real static control.
#include <gtest/gtest.h>

#include <cstring>

#include "TestDialog.h"
#include "TestIds.h"
#include "res/resource.h"

namespace {

LOGFONTW FontOf(HWND hWnd) {
    LOGFONTW logFont{};
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0));
    ::GetObjectW(font, sizeof logFont, &logFont);
    return logFont;
}

void ExpectLinkLooks(TestDialog& d) {
    PumpMessages();
    const LOGFONTW link = FontOf(d.m_link.m_hWnd);
    LOGFONTW dialog = FontOf(d.m_hWnd);
    EXPECT_EQ(1, link.lfUnderline);
    EXPECT_EQ(0, dialog.lfUnderline);
    dialog.lfUnderline = 1;
    EXPECT_EQ(0, std::memcmp(&dialog, &link, sizeof link));

    // Blue letters, and the dialog's own background behind and between them.
    EXPECT_TRUE(ClientHasColour(d.m_link.m_hWnd, RGB(0, 0, 255)));
    RECT client{};
    ::GetClientRect(d.m_link.m_hWnd, &client);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ScreenPixel(d.m_link.m_hWnd, client.right - 2, client.bottom / 2));
}

void ExpectClickReachesParent(TestDialog& d) {
    EXPECT_NE(0u, d.m_link.GetStyle() & SS_NOTIFY);
    const int before = d.m_linkClicks;
    ::SendMessageW(d.m_link.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageW(d.m_link.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(before + 1, d.m_linkClicks);
}

TEST(LinkStatic, UnderlinedBlueAndClickable) {
    TestDialog dialog(IDD_WAKE_DIALOG, [](TestDialog& d) {
        ExpectLinkLooks(d);
        ExpectClickReachesParent(d);
    });
    dialog.DoModal();
}

TEST(LinkStatic, ClickableEvenWithoutNotifyInTheTemplate) {
    TestDialog dialog(IDD_TEST_PLAIN, [](TestDialog& d) { ExpectClickReachesParent(d); });
    dialog.DoModal();
}

}  // namespace

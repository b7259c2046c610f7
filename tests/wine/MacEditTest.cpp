// CMacEdit on a real edit control in a real dialog, fed real messages.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "TestIds.h"
#include "res/resource.h"

namespace {

struct Selection {
    int start;
    int end;
};

Selection GetSelection(HWND edit) {
    DWORD start = 0, end = 0;
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

void TypeText(HWND edit, const std::wstring& text) {
    for (wchar_t c : text) ::SendMessageW(edit, WM_CHAR, c, 1);
}

void KeyDown(HWND edit, UINT key) {
    ::SendMessageW(edit, WM_KEYDOWN, key, 1);
}

void RunInDialog(TestDialog::Body body) {
    TestDialog dialog(IDD_TEST_PLAIN, std::move(body));
    dialog.DoModal();
}

TEST(MacEdit, TypingKeepsTheDisplayForm) {
    RunInDialog([](TestDialog& d) {
        d.m_edit.SetReadOnly(FALSE);
        const HWND edit = d.m_edit.m_hWnd;
        TypeText(edit, L"00112233445g5");
        EXPECT_EQ(L"00-11-22-33-44-55", d.m_edit.GetWindowText());
        EXPECT_EQ(17, GetSelection(edit).start);
        EXPECT_EQ(L"001122334455", d.m_edit.GetMacText());

        TypeText(edit, L"7");  // a full field refuses
        EXPECT_EQ(L"00-11-22-33-44-55", d.m_edit.GetWindowText());

        d.m_edit.SetSel(4, 4);
        TypeText(edit, L"\b");
        EXPECT_EQ(L"00-01-22-33-44-55", d.m_edit.GetWindowText());
        EXPECT_EQ(3, GetSelection(edit).start);

        KeyDown(edit, VK_DELETE);  // inside the address Delete does nothing
        EXPECT_EQ(L"00-01-22-33-44-55", d.m_edit.GetWindowText());
        d.m_edit.SetSel(0, -1);
        KeyDown(edit, VK_DELETE);
        EXPECT_EQ(L"", d.m_edit.GetWindowText());
        EXPECT_EQ(L"", d.m_edit.GetMacText());
    });
}

TEST(MacEdit, CtrlVPastesThroughTheMask) {
    RunInDialog([](TestDialog& d) {
        d.m_edit.SetReadOnly(FALSE);
        const HWND edit = d.m_edit.m_hWnd;
        PutClipboardText(d.m_hWnd, L"aa:bb:cc:dd:ee:ff");
        SetControlKey(true);
        KeyDown(edit, VK_CONTROL);
        KeyDown(edit, 'V');
        SetControlKey(false);
        ::SendMessageW(edit, WM_KEYUP, VK_CONTROL, 1);
        EXPECT_EQ(L"AA-BB-CC-DD-EE-FF", d.m_edit.GetWindowText());

        // A paste from elsewhere (the context menu sends WM_PASTE) takes the same road.
        PutClipboardText(d.m_hWnd, L"11-22");
        d.m_edit.SetSel(3, 5);
        ::SendMessageW(edit, WM_PASTE, 0, 0);
        EXPECT_EQ(L"AA-11-CC-DD-EE-FF", d.m_edit.GetWindowText());
        const Selection sel = GetSelection(edit);
        EXPECT_EQ(3, sel.start);
        EXPECT_EQ(6, sel.end);

        // Into a full field at a bare caret: nothing changes.
        d.m_edit.SetSel(17, 17);
        ::SendMessageW(edit, WM_PASTE, 0, 0);
        EXPECT_EQ(L"AA-11-CC-DD-EE-FF", d.m_edit.GetWindowText());
    });
}

TEST(MacEdit, ControlReleasedElsewhereDoesNotTurnKeysIntoShortcuts) {
    RunInDialog([](TestDialog& d) {
        d.m_edit.SetReadOnly(FALSE);
        const HWND edit = d.m_edit.m_hWnd;
        PutClipboardText(d.m_hWnd, L"FF-FF-FF-FF-FF-FF");
        SetControlKey(true);
        KeyDown(edit, VK_CONTROL);  // ... and released while another window had the focus
        SetControlKey(false);
        KeyDown(edit, 'V');
        TypeText(edit, L"c");
        EXPECT_EQ(L"C", d.m_edit.GetWindowText());
    });
}

TEST(MacEdit, ReadOnlyFieldCopiesButNeverChanges) {
    RunInDialog([](TestDialog& d) {
        const HWND edit = d.m_edit.m_hWnd;
        d.m_edit.SetWindowText(L"00-1A-2B-3C-4D-5E");
        d.m_edit.SetReadOnly(TRUE);
        TypeText(edit, L"\b9");
        PutClipboardText(d.m_hWnd, L"FF-FF-FF-FF-FF-FF");
        d.m_edit.SetSel(0, -1);
        ::SendMessageW(edit, WM_PASTE, 0, 0);
        EXPECT_EQ(L"00-1A-2B-3C-4D-5E", d.m_edit.GetWindowText());

        SetControlKey(true);
        KeyDown(edit, 'C');
        SetControlKey(false);
        EXPECT_EQ(L"00-1A-2B-3C-4D-5E", ClipboardText(d.m_hWnd));
    });
}

TEST(MacEdit, PaintsInItsOwnColours) {
    RunInDialog([](TestDialog& d) {
        const HWND edit = d.m_edit.m_hWnd;
        RECT client{};
        ::GetClientRect(edit, &client);
        const int probeX = client.right - 3, probeY = client.bottom / 2;
        ::SetFocus(d.GetDlgItem(IDC_GET_MAC_NOTIFY));  // keep the caret out of the picture

        // As the own-MAC dialog shows it: blue on the button face.
        d.m_edit.SetForeColor(RGB(0, 0, 255));
        d.m_edit.SetReadOnly(TRUE);
        d.m_edit.SetWindowText(L"88-88-88-88");
        d.m_edit.RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpMessages();  // Wine hands painted pixels to the display a moment later
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ScreenPixel(edit, probeX, probeY));
        EXPECT_TRUE(ClientHasColour(edit, RGB(0, 0, 255)));
        EXPECT_FALSE(ClientHasColour(edit, RGB(0, 0, 0)));

        // As the main dialog shows it: black on white.
        d.m_edit.SetForeColor(RGB(0, 0, 0));
        d.m_edit.SetReadOnly(FALSE);
        PumpMessages();
        EXPECT_EQ(RGB(255, 255, 255), ScreenPixel(edit, probeX, probeY));
        EXPECT_TRUE(ClientHasColour(edit, RGB(0, 0, 0)));
        EXPECT_FALSE(ClientHasColour(edit, RGB(0, 0, 255)));

        // Only exactly 1 keeps the background; any other true value makes
        // it white: what the field paints with, as its parent asks it.
        const auto painted = [&d, edit] {
            const HDC dc = ::CreateCompatibleDC(nullptr);
            ::SendMessageW(d.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
            const COLORREF colour = ::GetBkColor(dc);
            ::DeleteDC(dc);
            return colour;
        };
        d.m_edit.SetBackColor(RGB(10, 20, 30));
        d.m_edit.SetReadOnly(2);
        EXPECT_EQ(RGB(255, 255, 255), painted());
        d.m_edit.SetBackColor(RGB(10, 20, 30));
        d.m_edit.SetReadOnly(1);
        EXPECT_EQ(RGB(10, 20, 30), painted());
    });
}

}  // namespace

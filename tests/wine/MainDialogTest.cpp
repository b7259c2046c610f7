// The main dialog as it comes up: texts, caption, icons, the entry field.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "WineTestSupport.h"
#include "res/resource.h"
#include "wol/CWakeDlg.h"

namespace {

TEST(MainDialog, ComesUpWithItsTextsIconsAndAnEditableField) {
    UseLanguage(L"ENGLISH.BRVT");
    CWakeDlg dialog;
    RunAndInspect(dialog, [](HWND d) {
        EXPECT_EQ(L"Brevinta - WOL Tester", WindowText(d));
        EXPECT_EQ(L"This app will check if your PC is compatible with WOL.", ItemText(d, IDC_MAIN_CAPTION));
        EXPECT_EQ(L"Please, get the Mac address of the PC to be powered on.", ItemText(d, IDC_GET_MAC_CAPTION));
        EXPECT_EQ(L"View current PC\u2019s Mac address", ItemText(d, IDC_GET_MAC_NOTIFY));
        EXPECT_EQ(L"Enter your Mac address and press \u201cPower ON\u201d button.", ItemText(d, IDC_MAC_CAPTION));
        EXPECT_EQ(L"Mac address", ItemText(d, IDC_MAC_NAME));
        EXPECT_EQ(L"Power ON", ItemText(d, IDC_POWER_ON));

        const auto appIcon = reinterpret_cast<LRESULT>(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)));
        EXPECT_NE(0, appIcon);
        EXPECT_EQ(appIcon, ::SendMessageW(d, WM_GETICON, ICON_BIG, 0));
        EXPECT_EQ(appIcon, ::SendMessageW(d, WM_GETICON, ICON_SMALL, 0));
        EXPECT_EQ(appIcon, ::SendMessageW(d, WM_QUERYDRAGICON, 0, 0));

        const HWND field = ::GetDlgItem(d, IDC_MAC_EDIT);
        EXPECT_EQ(field, ::GetFocus());
        EXPECT_EQ(0, ::GetWindowLongW(field, GWL_STYLE) & ES_READONLY);
        EXPECT_EQ(RGB(255, 255, 255), ScreenPixel(field, 3, 3));
        EXPECT_NE(0, ::GetWindowLongW(::GetDlgItem(d, IDC_POWER_ON), GWL_STYLE) & BS_DEFPUSHBUTTON);
    }, IDCANCEL);
}

TEST(MainDialog, FollowsTheChosenLanguage) {
    UseLanguage(L"KOREAN.BRVT");
    CWakeDlg dialog;
    RunAndInspect(dialog, [](HWND d) {
        EXPECT_EQ(L"Brevinta - WOL 기능 테스트", WindowText(d));
        EXPECT_EQ(L"전원 켜기 테스트", ItemText(d, IDC_POWER_ON));
        EXPECT_EQ(L"현재 PC Mac Address 확인", ItemText(d, IDC_GET_MAC_NOTIFY));
    }, IDCANCEL);
}

TEST(MainDialog, WithoutTheLanguageFileShowsTheKeys) {
    UseLanguage(L"ENGLISH.BRVT");
    ::DeleteFileW(TestLangFile().c_str());
    CWakeDlg dialog;
    RunAndInspect(dialog, [](HWND d) {
        EXPECT_EQ(L"PRODUCT_NAME - PRODUCT_TITLE", WindowText(d));
        EXPECT_EQ(L"WOL_NAME", ItemText(d, IDC_POWER_ON));
    }, IDCANCEL);
}

}  // namespace

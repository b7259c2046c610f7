// The three notices, opened for real and inspected while they are up.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "WineTestSupport.h"
#include "res/resource.h"
#include "wol/CMacErrorDlg.h"
#include "wol/CSendErrorDlg.h"
#include "wol/CSentNoticeDlg.h"

namespace {

INT_PTR RunNotice(CDialog& notice, std::function<void(HWND)> inspect) {
    return RunAndInspect(notice, std::move(inspect), IDC_NOTICE_OK);
}

// The system icon drawn at (15, 10) on the dialog's background, pixel by pixel.
void ExpectIconAt15x10(HWND dialog, LPCWSTR iconId) {
    const int width = ::GetSystemMetrics(SM_CXICON), height = ::GetSystemMetrics(SM_CYICON);
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    RECT all{0, 0, width, height};
    ::FillRect(memory, &all, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawIcon(memory, 0, 0, ::LoadIconW(nullptr, iconId));

    int differing = 0, nonBackground = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF expected = ::GetPixel(memory, x, y);
            if (expected != ::GetSysColor(COLOR_BTNFACE)) ++nonBackground;
            if (ScreenPixel(dialog, 15 + x, 10 + y) != expected) ++differing;
        }
    }
    EXPECT_GT(nonBackground, 100);
    EXPECT_EQ(0, differing);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

TEST(Notices, SentNoticeInEnglish) {
    UseLanguage(L"ENGLISH.BRVT");
    CSentNoticeDlg notice;
    const INT_PTR result = RunNotice(notice, [](HWND d) {
        EXPECT_EQ(L"Brevinta - WOL Tester", WindowText(d));
        EXPECT_EQ(L"Power on request has been sent.\nCheck if the PC has powered on.", ItemText(d, IDC_WOL_SUCCESS));
        EXPECT_EQ(L"If PC is powered on, WOL is working correctly.", ItemText(d, IDC_WOL_CAPTION));
        EXPECT_EQ(L"<Note>\nPC\u2019s BIOS and NIC must be configured properly to work with WOL.\n"
                  L"Verify this to be correct.",
                  ItemText(d, IDC_WOL_NOTE));
        EXPECT_EQ(L"Ok", ItemText(d, IDC_NOTICE_OK));
        ExpectIconAt15x10(d, IDI_ASTERISK);
    });
    EXPECT_EQ(IDOK, result);
}

TEST(Notices, ErrorNoticesCarryTheirIconsAndTexts) {
    UseLanguage(L"ENGLISH.BRVT");
    CMacErrorDlg macError;
    macError.SetNoticeIcon(32515);
    RunNotice(macError, [](HWND d) {
        EXPECT_EQ(L"Brevinta - WOL Tester", WindowText(d));
        EXPECT_EQ(L"Enter the correct Mac address.", ItemText(d, IDC_MAC_ERROR));
        EXPECT_EQ(L"Ok", ItemText(d, IDC_NOTICE_OK));
        ExpectIconAt15x10(d, IDI_EXCLAMATION);
    });

    CSendErrorDlg sendError;
    sendError.SetNoticeIcon(32513);
    RunNotice(sendError, [](HWND d) {
        EXPECT_EQ(L"Failed to turn ON the power.\nPlease, try again later.", ItemText(d, IDC_WOL_ERROR));
        ExpectIconAt15x10(d, IDI_HAND);
    });
}

TEST(Notices, FollowTheChosenLanguage) {
    UseLanguage(L"KOREAN.BRVT");
    CSendErrorDlg sendError;
    RunNotice(sendError, [](HWND d) {
        EXPECT_EQ(L"Brevinta - WOL 기능 테스트", WindowText(d));
        EXPECT_EQ(L"전원 켜기 실행에 실패하였습니다.\n잠시 후 다시 시도해 주세요.", ItemText(d, IDC_WOL_ERROR));
        EXPECT_EQ(L"확인", ItemText(d, IDC_NOTICE_OK));
    });
    UseLanguage(L"JAPANESE.BRVT");
    CMacErrorDlg macError;
    RunNotice(macError, [](HWND d) {
        EXPECT_EQ(L"正しいMACアドレス情報を入力してください。", ItemText(d, IDC_MAC_ERROR));
        EXPECT_EQ(L"確認", ItemText(d, IDC_NOTICE_OK));
    });
}

}  // namespace

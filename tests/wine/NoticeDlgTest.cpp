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
    const IconComparison icon = CompareIconAt(dialog, iconId, 15, 10);
    EXPECT_GT(icon.iconPixels, 100);
    EXPECT_EQ(0, icon.differing);
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
    RunNotice(macError, [](HWND d) {
        EXPECT_EQ(L"Brevinta - WOL Tester", WindowText(d));
        EXPECT_EQ(L"Enter the correct Mac address.", ItemText(d, IDC_MAC_ERROR));
        EXPECT_EQ(L"Ok", ItemText(d, IDC_NOTICE_OK));
        ExpectIconAt15x10(d, IDI_EXCLAMATION);
    });

    CSendErrorDlg sendError;
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

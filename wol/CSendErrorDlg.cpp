#include "CSendErrorDlg.h"

#include "res/resource.h"

namespace {
const NoticeText kTexts[] = {{IDC_WOL_ERROR, L"WOL_ERROR"}, {IDC_NOTICE_OK, L"WOL_OK"}};
const NoticeKind kKind = {IDD_SEND_ERROR, kNoticeIconError, kTexts, sizeof kTexts / sizeof kTexts[0]};
}  // namespace

CSendErrorDlg::CSendErrorDlg(CWnd* pParentWnd) : CNoticeDlg(kKind, pParentWnd) {}

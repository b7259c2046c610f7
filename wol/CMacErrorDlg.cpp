#include "CMacErrorDlg.h"

#include "res/resource.h"

namespace {
const NoticeText kTexts[] = {{IDC_MAC_ERROR, L"MAC_ERROR"}, {IDC_NOTICE_OK, L"WOL_OK"}};
const NoticeKind kKind = {IDD_MAC_ERROR, kNoticeIconWarning, kTexts, sizeof kTexts / sizeof kTexts[0]};
}  // namespace

CMacErrorDlg::CMacErrorDlg(CWnd* pParentWnd) : CNoticeDlg(kKind, pParentWnd) {}

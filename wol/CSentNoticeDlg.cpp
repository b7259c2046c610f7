#include "CSentNoticeDlg.h"

#include "res/resource.h"

namespace {
const NoticeText kTexts[] = {{IDC_WOL_SUCCESS, L"WOL_SUCCESS"}, {IDC_WOL_CAPTION, L"WOL_CAPTION"}, {IDC_WOL_NOTE, L"WOL_NOTE"}, {IDC_NOTICE_OK, L"WOL_OK"}};
const NoticeKind kKind = {IDD_SENT_NOTICE, kNoticeIconInformation, kTexts, sizeof kTexts / sizeof kTexts[0]};
}  // namespace

CSentNoticeDlg::CSentNoticeDlg(CWnd* pParentWnd) : CNoticeDlg(kKind, pParentWnd) {}

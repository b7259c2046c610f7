#include "CSentNoticeDlg.h"

#include "res/resource.h"

CSentNoticeDlg::CSentNoticeDlg(CWnd* pParentWnd) : CNoticeDlg(IDD_SENT_NOTICE, pParentWnd) {}

BOOL CSentNoticeDlg::OnInitDialog() {
    CNoticeDlg::OnInitDialog();
    static const TextItem texts[] = {{IDC_WOL_SUCCESS, L"WOL_SUCCESS"}, {IDC_WOL_CAPTION, L"WOL_CAPTION"}, {IDC_WOL_NOTE, L"WOL_NOTE"}, {IDC_NOTICE_OK, L"WOL_OK"}};
    SetTexts(texts);
    return TRUE;
}

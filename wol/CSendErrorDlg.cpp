#include "CSendErrorDlg.h"

#include "res/resource.h"

CSendErrorDlg::CSendErrorDlg(CWnd* pParentWnd) : CNoticeDlg(IDD_SEND_ERROR, pParentWnd) {}

BOOL CSendErrorDlg::OnInitDialog() {
    CNoticeDlg::OnInitDialog();
    static const TextItem texts[] = {{IDC_WOL_ERROR, L"WOL_ERROR"}, {IDC_NOTICE_OK, L"WOL_OK"}};
    SetTexts(texts);
    return TRUE;
}

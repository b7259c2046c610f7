#include "CMacErrorDlg.h"

#include "res/resource.h"

CMacErrorDlg::CMacErrorDlg(CWnd* pParentWnd) : CNoticeDlg(IDD_MAC_ERROR, pParentWnd) {}

BOOL CMacErrorDlg::OnInitDialog() {
    CNoticeDlg::OnInitDialog();
    static const TextItem texts[] = {{IDC_MAC_ERROR, L"MAC_ERROR"}, {IDC_NOTICE_OK, L"WOL_OK"}};
    SetTexts(texts);
    return TRUE;
}

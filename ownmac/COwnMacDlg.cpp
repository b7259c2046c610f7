#include "COwnMacDlg.h"

#include "OwnMacQuery.h"
#include "net/MacAddress.h"
#include "text/ControlTexts.h"
#include "text/LangTexts.h"
#include "res/resource.h"

const MessageMapEntry COwnMacDlg::messageEntries[] = {
    Map::Command<&COwnMacDlg::OnOkButton>(BN_CLICKED, IDC_OWN_MAC_OK),
};
const MessageMap COwnMacDlg::messageMap{&CDialog::messageMap, messageEntries};

COwnMacDlg::COwnMacDlg(CWnd* pParentWnd) : CDialog(IDD_OWN_MAC, pParentWnd) {}

std::wstring COwnMacDlg::GetOwnMacAddress() {
    SystemAdapterSource system;
    return QueryOwnMacAddress(system);
}

void COwnMacDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OWN_MAC_EDIT, m_editMac);
}

BOOL COwnMacDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_editMac.SetForeColor(RGB(0, 0, 255));
    m_editMac.SetReadOnly(TRUE);
    m_strOwnMac = GetOwnMacAddress();
    m_editMac.SetWindowText(FormatMacDisplay(m_strOwnMac));

    static const ControlText texts[] = {{IDC_OWN_MAC_TITLE, L"MAC_DLG_TITLE"}, {IDC_OWN_MAC_CAPTION, L"MAC_DLG_CAPTION"}};
    SetControlTexts(*this, texts);
    return TRUE;  // the field gets the focus with its whole text selected
}

void COwnMacDlg::OnOkButton() {
    // Without an address the field shows only the hyphens of the layout:
    // copying them would destroy what the user had on the clipboard.
    if (!m_strOwnMac.empty()) m_editMac.Copy();
    OnOK();
}

#pragma once
// Shows this computer's own MAC address, so the user can note it down on the
// computer that is later to be woken. OK copies the selected text, when there
// is an address to copy.
#include <string>

#include "controls/CMacEdit.h"
#include "framework/CDialog.h"

class COwnMacDlg final : public CDialog {
public:
    explicit COwnMacDlg(CWnd* pParentWnd = nullptr);

    // 12 upper-case hex digits, or empty text when no adapter qualifies.
    static std::wstring GetOwnMacAddress();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP(COwnMacDlg)

private:
    void OnOkButton();

    CMacEdit m_editMac;
    std::wstring m_strOwnMac;  // as queried at this opening; empty when none
};

#pragma once
// The main window: type a MAC address, press "Power ON", read the outcome.
#include <string>

#include "controls/CLinkStatic.h"
#include "controls/CMacEdit.h"
#include "net/MacAddress.h"
#include "framework/Accessibility.h"
#include "framework/CDialog.h"

class CWakeDlg final : public CDialog {
public:
    explicit CWakeDlg(CWnd* pParentWnd = nullptr);

    // Broadcasts one magic packet for the MAC text to the destination.
    // 0 when sent; -1 after a failure, which the user has already been shown.
    static int SendMagicPacket(const std::wstring& macText, const std::wstring& destination);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP(CWakeDlg)

private:
    void OnPaint();
    HICON OnQueryDragIcon();
    void OnPowerOn();
    void OnViewOwnMac();
    void OnSysCommand(UINT id);
    bool CompleteMacOrNotice(MacAddress& mac);

    SystemAccessibility m_accessibility;  // names the field for screen readers
    CLinkStatic m_linkOwnMac;
    CMacEdit m_editMac;
    HICON m_hIcon;  // shared resource icon, released with the module
};

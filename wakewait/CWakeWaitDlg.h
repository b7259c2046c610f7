#pragma once
// "Did it wake?": sends the magic packet as Power ON does, then watches the
// PC every second for up to three minutes (ARP on its own subnet where the
// system can, and ping) and says whether, and after how long, it answered,
// and whether the answer came from the PC's own MAC address. The probes run
// off the window's thread, so the window never freezes and never waits for
// them; Stop, Close and Escape end the wait at once.
#include "WaitPump.h"
#include "framework/CButton.h"
#include "framework/CCheckBox.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CLiveStatic.h"
#include "framework/CProgressCtrl.h"

class CWakeWaitDlg final : public CDialog, private WaitView {
public:
    // `pc`: the main window's address, or a saved PC's with its saved
    // `address` (empty: where this PC last saw the MAC address) and its way
    // of sending.
    explicit CWakeWaitDlg(const MacAddress& pc, CWnd* pParentWnd = nullptr, const std::wstring& address = L"",
                          WakeExtras extras = WakeExtras());

    // Loads the progress bar's class first.
    INT_PTR DoModal() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    DECLARE_MESSAGE_MAP(CWakeWaitDlg)

private:
    void OnStartOrStop();
    void OnResolved(unsigned serial, std::uint32_t address);
    void OnUnresolved(unsigned serial, std::uint32_t);
    void OnProbed(unsigned serial, std::uint32_t);

    // The window shows where the wait stands; the lines and the sends are
    // the console's.
    void Said(const std::wstring&) override {}
    void Sent(const WaitSession&, const WakeSendResult&) override {}
    void Changed(const WaitSession& session) override;

    CEdit m_edtAddress;
    CCheckBox m_chkEveryAdapter;
    CButton m_btnStart;
    CProgressCtrl m_progress;
    SystemAccessibility m_accessibility;  // outlives the status line it marks
    CLiveStatic m_status{m_accessibility};

    MacAddress m_pc;
    std::wstring m_strAddress;
    WaitPump m_pump;  // its worker is stopped before the dialog's window goes
};

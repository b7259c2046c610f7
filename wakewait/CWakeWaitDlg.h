#pragma once
// "Did it wake?": sends the magic packet as Power ON does, then watches the
// PC every second for up to three minutes (ARP on its own subnet where the
// system can, and ping) and says whether, and after how long, it answered,
// and whether the answer came from the PC's own MAC address. The probes run
// off the window's thread, so the window never freezes and never waits for
// them; Stop, Close and Escape end the wait at once.
#include <string>
#include <vector>

#include "ProbeWorker.h"
#include "WaitTexts.h"
#include "WakeTarget.h"
#include "framework/CButton.h"
#include "framework/CCheckBox.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CLiveStatic.h"
#include "framework/CProgressCtrl.h"

class CWakeWaitDlg final : public CDialog {
public:
    // `macText`: the main window's twelve digits.
    explicit CWakeWaitDlg(std::wstring macText, CWnd* pParentWnd = nullptr);

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
    void OnRound(const ProbeRound& round);
    void NoteOtherDevice();

    void Begin();
    bool SendPackets(bool toTheSubnet);
    void Finish();
    void ShowStatus(const std::wstring& text);
    void ShowRefusal(Refusal refusal);
    void ShowProgress();
    bool IsCurrent(unsigned serial) const { return serial == m_worker.Serial() && m_wait.IsRunning(); }

    CEdit m_edtAddress;
    CCheckBox m_chkEveryAdapter;
    CButton m_btnStart;
    CProgressCtrl m_progress;
    SystemAccessibility m_accessibility;  // outlives the status line it marks
    CLiveStatic m_status{m_accessibility};

    std::wstring m_strMac;
    MacAddress m_mac{};  // m_strMac's bytes
    std::wstring m_strTarget;   // as typed
    std::wstring m_strShown;    // as the texts name it: a name with its address once resolved
    bool m_bName = false;       // a name, not an address, was typed
    std::wstring m_strWarning;  // said before every status line of this wait
    std::wstring m_strOther;    // another device answers at the address: said before every status line after
    WaitMachine m_wait;
    ProbeWorker m_worker;       // stopped before the dialog's window goes
    std::vector<Adapter> m_adapters;
    std::vector<AdapterSubnet> m_rows;
    std::uint32_t m_address = 0;
};

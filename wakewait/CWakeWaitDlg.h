#pragma once
// "Did it wake?": sends the magic packet as Power ON does, then pings the PC
// every second for up to three minutes and says whether, and after how
// long, it answered. The pings run off the window's thread, so the window
// never freezes; Stop, Close and Escape end the wait.
#include <string>
#include <vector>

#include "ProbeWorker.h"
#include "WaitRules.h"
#include "framework/CDialog.h"

class CWakeWaitDlg final : public CDialog {
public:
    // `macText`: the main window's twelve digits.
    explicit CWakeWaitDlg(std::wstring macText, CWnd* pParentWnd = nullptr);

    // Loads the progress bar's class first.
    INT_PTR DoModal() override;

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    DECLARE_MESSAGE_MAP(CWakeWaitDlg)

private:
    void OnStartOrStop();
    void OnResolved(unsigned serial, bool resolved);
    void OnProbed(unsigned serial, bool answered);

    void Begin();
    bool SendPackets(bool toTheSubnet);
    void Finish();
    void ShowStatus(const std::wstring& text);
    void ShowRefusal(Refusal refusal);
    void ShowProgress();
    bool IsCurrent(unsigned serial) const { return serial == m_worker.Serial() && m_wait.IsRunning(); }

    std::wstring m_strMac;
    MacAddress m_mac{};  // m_strMac's bytes
    std::wstring m_strTarget;   // as typed
    std::wstring m_strWarning;  // said before every status line of this wait
    WaitMachine m_wait;
    ProbeWorker m_worker;       // stopped before the dialog's window goes
    std::vector<Adapter> m_adapters;
    std::vector<CheckRow> m_rows;
    std::uint32_t m_address = 0;
};

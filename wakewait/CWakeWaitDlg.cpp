#include "CWakeWaitDlg.h"

#include "ArpCache.h"
#include "framework/SystemLibrary.h"
#include "net/Ipv4.h"
#include "net/SystemAdapterFacts.h"
#include "res/resource.h"
#include "text/AnsiText.h"
#include "text/ControlTexts.h"
#include "text/LangTexts.h"
#include "text/Trimmed.h"

const MessageMapEntry CWakeWaitDlg::messageEntries[] = {
    Map::Command<&CWakeWaitDlg::OnStartOrStop>(BN_CLICKED, IDC_WAIT_START),
    Map::Posted<&CWakeWaitDlg::OnResolved>(ProbeWorker::kResolved),
    Map::Posted<&CWakeWaitDlg::OnUnresolved>(ProbeWorker::kUnresolved),
    Map::Posted<&CWakeWaitDlg::OnProbed>(ProbeWorker::kProbed),
};
const MessageMap CWakeWaitDlg::messageMap{&CDialog::messageMap, messageEntries};

CWakeWaitDlg::CWakeWaitDlg(const MacAddress& pc, CWnd* pParentWnd, const std::wstring& address, WakeExtras extras)
    : CDialog(IDD_WAKEWAIT, pParentWnd), m_pc(pc), m_strAddress(address),
      m_pump(*this, m_pc, kWaitSeconds, false, std::move(extras)) {}

INT_PTR CWakeWaitDlg::DoModal() {
    InitCommonControlClasses(ICC_PROGRESS_CLASS);
    return CDialog::DoModal();
}

void CWakeWaitDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WAIT_ADDRESS, m_edtAddress);
    DDX_Control(pDX, IDC_WAIT_EVERY_ADAPTER, m_chkEveryAdapter);
    DDX_Control(pDX, IDC_WAIT_START, m_btnStart);
    DDX_Control(pDX, IDC_WAIT_PROGRESS, m_progress);
    DDX_Control(pDX, IDC_WAIT_STATUS, m_status);
}

BOOL CWakeWaitDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    static const ControlText texts[] = {{IDC_WAIT_MAC_LABEL, L"WAIT_MAC_LABEL"},
                                     {IDC_WAIT_ADDRESS_LABEL, L"WAIT_ADDRESS_LABEL"},
                                     {IDC_WAIT_EVERY_ADAPTER, L"WAIT_EVERY_ADAPTER"},
                                     {IDC_WAIT_START, L"WAIT_START"},
                                     {IDCANCEL, L"WAIT_CLOSE"}};
    SetControlTexts(*this, texts);
    SetDlgItemText(IDC_WAIT_MAC, FormatMacDisplay(m_pc));
    m_status.SetText(LocalizedText(L"WAIT_NOTE"));
    m_progress.SetRange(0, kWaitSeconds);

    // Where this PC last saw the MAC address, if it has.
    std::uint32_t address = 0;
    if (!m_strAddress.empty()) m_edtAddress.SetWindowText(m_strAddress);
    else if (FindAddressForMac(ReadArpCache(), m_pc, address)) m_edtAddress.SetWindowText(DottedQuad(address));
    // The field the user acts on first, not the MAC address above it.
    ::SetFocus(m_edtAddress.m_hWnd);
    return FALSE;
}

void CWakeWaitDlg::OnCancel() {
    m_pump.Abandon();
    CDialog::OnCancel();
}

void CWakeWaitDlg::OnStartOrStop() {
    if (m_pump.IsRunning()) {
        m_pump.Stop();
        return;
    }
    const std::wstring target = Trimmed(m_edtAddress.GetWindowText(), L" ");
    std::uint32_t address = 0;
    const TargetKind kind = ParseTarget(target, address);
    m_progress.SetPos(0);
    m_pump.Start(m_hWnd, target, kind, address, SurveyThisPc(), m_chkEveryAdapter.IsChecked());
}

void CWakeWaitDlg::OnResolved(unsigned serial, std::uint32_t address) {
    m_pump.OnPosted(ProbeWorker::kResolved, serial, static_cast<LPARAM>(address));
}

void CWakeWaitDlg::OnUnresolved(unsigned serial, std::uint32_t) { m_pump.OnPosted(ProbeWorker::kUnresolved, serial, 0); }

void CWakeWaitDlg::OnProbed(unsigned serial, std::uint32_t) { m_pump.OnPosted(ProbeWorker::kProbed, serial, 0); }

void CWakeWaitDlg::Changed(const WaitSession& session) {
    // Set only when it changes: a screen reader says the focused button's
    // new name each time it is set.
    const std::wstring label = LocalizedText(session.IsRunning() ? L"WAIT_STOP" : L"WAIT_START");
    if (m_btnStart.GetWindowText() != label) m_btnStart.SetWindowText(label);
    if (session.State() == WaitState::Waiting) m_progress.SetPos(static_cast<int>(session.ElapsedSeconds(::GetTickCount())));
    m_status.SetText(session.Status());
}

#include "CWakeWaitDlg.h"

#include "ArpCache.h"
#include "NeighbourProbe.h"
#include "WakeSend.h"
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

CWakeWaitDlg::CWakeWaitDlg(const MacAddress& pc, CWnd* pParentWnd)
    : CDialog(IDD_WAKEWAIT, pParentWnd), m_session(pc) {}

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
    SetDlgItemText(IDC_WAIT_MAC, FormatMacDisplay(m_session.Pc()));
    m_status.SetText(LocalizedText(L"WAIT_NOTE"));
    m_progress.SetRange(0, kWaitSeconds);

    // Where this PC last saw the MAC address, if it has.
    std::uint32_t address = 0;
    if (FindAddressForMac(ReadArpCache(), m_session.Pc(), address)) m_edtAddress.SetWindowText(DottedQuad(address));
    // The field the user acts on first, not the MAC address above it.
    ::SetFocus(m_edtAddress.m_hWnd);
    return FALSE;
}

void CWakeWaitDlg::OnCancel() {
    m_worker.Stop();
    CDialog::OnCancel();
}

void CWakeWaitDlg::OnStartOrStop() {
    if (m_session.IsRunning()) {
        Follow(m_session.Stop(::GetTickCount()));
        return;
    }
    const std::wstring target = Trimmed(m_edtAddress.GetWindowText(), L" ");
    WaitStep step = m_session.Begin(target, SurveyThisPc());
    if (step == WaitStep::Resolve) {
        m_progress.SetPos(0);
        // No thread for the lookup: the wait ends as it began.
        if (!m_worker.Start(m_hWnd, ToAnsi(target))) step = m_session.Stop(::GetTickCount());
    }
    Follow(step);
}

void CWakeWaitDlg::OnResolved(unsigned serial, std::uint32_t address) {
    if (IsCurrent(serial)) Follow(m_session.Resolved(address));
}

void CWakeWaitDlg::OnUnresolved(unsigned serial, std::uint32_t) {
    if (IsCurrent(serial)) Follow(m_session.Unresolved());
}

void CWakeWaitDlg::OnProbed(unsigned serial, std::uint32_t) {
    if (!IsCurrent(serial)) return;
    for (const ProbeRound& round : m_worker.TakeRounds())
        if (m_session.IsRunning()) Follow(m_session.Round(round, ::GetTickCount()));
}

void CWakeWaitDlg::Follow(WaitStep step) {
    switch (step) {
    case WaitStep::FirstRound: m_worker.Begin(m_session.NeighbourIndex(HasNeighbourProbe())); break;
    case WaitStep::Send: {
        const WakeSendResult sent = SendWakePackets(m_session.Pc(), m_session.Adapters(), m_session.Subnets(),
                                                    m_session.SubnetRow(), m_chkEveryAdapter.IsChecked());
        Follow(m_session.SendDone(sent.AnySent(), sent.failure, ::GetTickCount()));
        return;
    }
    case WaitStep::NextRound: m_worker.Continue(); break;
    case WaitStep::Done: m_worker.Stop(); break;
    case WaitStep::Resolve: break;  // the worker looks it up as it starts
    case WaitStep::None: break;
    }
    // Set only when it changes: a screen reader says the focused button's
    // new name each time it is set.
    const std::wstring label = LocalizedText(m_session.IsRunning() ? L"WAIT_STOP" : L"WAIT_START");
    if (m_btnStart.GetWindowText() != label) m_btnStart.SetWindowText(label);
    if (m_session.State() == WaitState::Waiting) m_progress.SetPos(static_cast<int>(m_session.ElapsedSeconds(::GetTickCount())));
    m_status.SetText(m_session.Status());
}

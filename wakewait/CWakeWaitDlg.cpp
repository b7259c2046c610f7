#include "CWakeWaitDlg.h"

#include <commctrl.h>

#include "ArpCache.h"
#include "framework/SystemLibrary.h"
#include "net/DirectedSend.h"
#include "net/Ipv4.h"
#include "net/SocketSession.h"
#include "net/SystemAdapterFacts.h"
#include "net/WinsockLayer.h"
#include "net/WinsockStartup.h"
#include "netcheck/AdapterSend.h"
#include "res/resource.h"
#include "text/AnsiText.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"

const MessageMapEntry CWakeWaitDlg::messageEntries[] = {
    Map::Command<&CWakeWaitDlg::OnStartOrStop>(BN_CLICKED, IDC_WAIT_START),
    Map::Posted<&CWakeWaitDlg::OnResolved>(ProbeWorker::kResolved),
    Map::Posted<&CWakeWaitDlg::OnProbed>(ProbeWorker::kProbed),
};
const MessageMap CWakeWaitDlg::messageMap{&CDialog::messageMap, messageEntries};

namespace {

const char kLimitedBroadcast[] = "255.255.255.255";

// The sender's failures go to the status line: the wait has no boxes.
class StatusReport final : public FailureReport {
public:
    explicit StatusReport(std::wstring& text) : m_text(text) {}
    void Show(const wchar_t* text) override { m_text = text; }

private:
    std::wstring& m_text;
};

std::wstring Trimmed(std::wstring text) {
    while (!text.empty() && text.back() == L' ') text.pop_back();
    while (!text.empty() && text.front() == L' ') text.erase(text.begin());
    return text;
}

}  // namespace

CWakeWaitDlg::CWakeWaitDlg(std::wstring macText, CWnd* pParentWnd)
    : CDialog(IDD_WAKEWAIT, pParentWnd), m_strMac(std::move(macText)) {
    ParseMacText(m_mac.data(), m_mac.size(), ToAnsi(m_strMac).c_str());
}

INT_PTR CWakeWaitDlg::DoModal() {
    InitCommonControlClasses(ICC_PROGRESS_CLASS);
    return CDialog::DoModal();
}

BOOL CWakeWaitDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(LocalizedCaption());
    SetDlgItemText(IDC_WAIT_MAC_LABEL, LocalizedText(L"WAIT_MAC_LABEL"));
    SetDlgItemText(IDC_WAIT_MAC, FormatMacDisplay(m_strMac));
    SetDlgItemText(IDC_WAIT_ADDRESS_LABEL, LocalizedText(L"WAIT_ADDRESS_LABEL"));
    SetDlgItemText(IDC_WAIT_EVERY_ADAPTER, LocalizedText(L"WAIT_EVERY_ADAPTER"));
    SetDlgItemText(IDC_WAIT_START, LocalizedText(L"WAIT_START"));
    SetDlgItemText(IDCANCEL, LocalizedText(L"WAIT_CLOSE"));
    ShowStatus(LocalizedText(L"WAIT_NOTE"));
    ::SendMessageW(GetDlgItem(IDC_WAIT_PROGRESS), PBM_SETRANGE32, 0, WaitMachine::kWaitMs / 1000);

    // Where this PC last saw the MAC address, if it has.
    std::uint32_t address = 0;
    if (FindAddressForMac(ReadArpCache(), m_mac, address)) SetDlgItemText(IDC_WAIT_ADDRESS, DottedQuad(address));
    return TRUE;  // the focus goes to the address field
}

void CWakeWaitDlg::OnCancel() {
    m_worker.Stop();
    CDialog::OnCancel();
}

void CWakeWaitDlg::OnStartOrStop() {
    if (m_wait.IsRunning()) {
        m_worker.Stop();
        m_wait.Stop(::GetTickCount());
        Finish();
        return;
    }
    Begin();
}

void CWakeWaitDlg::Begin() {
    wchar_t typed[256] = {};
    ::GetDlgItemTextW(m_hWnd, IDC_WAIT_ADDRESS, typed, 256);
    m_strTarget = Trimmed(typed);
    m_strWarning.clear();
    std::uint32_t address = 0;
    const TargetKind kind = ParseTarget(m_strTarget, address);
    if (kind == TargetKind::Invalid) {
        ShowStatus(LocalizedText(L"WAIT_BAD_ADDRESS"));
        return;
    }
    m_adapters = SurveyThisPc();
    m_rows = CheckRowsOf(m_adapters);
    if (kind == TargetKind::Address) {
        const Refusal refusal = RefuseAddress(address, m_adapters);
        if (refusal != Refusal::None) {
            ShowRefusal(refusal);
            return;
        }
        if (LocalRowFor(address, m_adapters, m_rows) < 0)
            m_strWarning = FillArgs(LocalizedText(L"WAIT_OFF_NETWORK"), {m_strTarget}) + L"\n";
    }
    if (!m_worker.Start(m_hWnd, ToAnsi(m_strTarget))) return;
    m_wait.Start();
    SetDlgItemText(IDC_WAIT_START, LocalizedText(L"WAIT_STOP"));
    ::SendMessageW(GetDlgItem(IDC_WAIT_PROGRESS), PBM_SETPOS, 0, 0);
    ShowStatus(FillArgs(LocalizedText(L"WAIT_CHECKING"), {m_strTarget}));
}

void CWakeWaitDlg::OnResolved(unsigned serial, bool resolved) {
    if (!IsCurrent(serial)) return;
    if (resolved) {
        m_address = m_worker.Address();
        const Refusal refusal = RefuseAddress(m_address, m_adapters);
        if (refusal == Refusal::None) return;  // the first probe comes next
        m_worker.Stop();
        m_wait.SendFailed();
        Finish();
        ShowRefusal(refusal);
        return;
    }
    // A magic packet needs no address: it still goes, but nothing can watch.
    m_worker.Stop();
    if (SendPackets(false))
        m_wait.Sent(::GetTickCount(), false);
    else
        m_wait.SendFailed();
    Finish();
}

void CWakeWaitDlg::OnProbed(unsigned serial, bool answered) {
    if (!IsCurrent(serial)) return;
    if (m_wait.State() == WaitState::Checking) {
        if (!m_wait.FirstProbe(answered)) {
            m_worker.Stop();
            Finish();
            return;
        }
        if (!SendPackets(true)) {
            m_worker.Stop();
            m_wait.SendFailed();
            Finish();
            return;
        }
        m_wait.Sent(::GetTickCount(), true);
        m_worker.Continue();
        ShowProgress();
        return;
    }
    if (m_wait.Probe(answered, ::GetTickCount())) {
        ShowProgress();
        return;
    }
    m_worker.Stop();
    Finish();
}

// Power ON's one packet, in its own sequence of calls; then the subnet's own
// broadcast from the adapter on it, so that a VPN taking the limited
// broadcast does not defeat the wait; then, when asked, every adapter.
bool CWakeWaitDlg::SendPackets(bool toTheSubnet) {
    std::wstring failure;
    StatusReport report(failure);
    WinsockStartup winsock;
    WinsockLayer layer;
    bool sent = SendMagicPacketVia(winsock, layer, report, ToAnsi(m_strMac), kLimitedBroadcast) == 0;

    const MagicPacket packet = BuildMagicPacket(m_mac);
    const int row = toTheSubnet ? LocalRowFor(m_address, m_adapters, m_rows) : -1;
    if (row >= 0) {
        const SocketSession session(winsock, kWinsock2);
        const CheckRow& r = m_rows[static_cast<std::size_t>(row)];
        sent = (session.Started() && SendDirected(packet, r.address, r.broadcast, {kWakePort, kDiscardPort}) == 0) || sent;
    }
    if (::SendMessageW(GetDlgItem(IDC_WAIT_EVERY_ADAPTER), BM_GETCHECK, 0, 0) == BST_CHECKED)
        for (const int result : SendThroughEveryAdapter(packet, m_adapters, m_rows)) sent = sent || result == 0;
    if (!sent) ShowStatus(failure);
    return sent;
}

void CWakeWaitDlg::ShowProgress() {
    const unsigned long seconds = m_wait.ElapsedSeconds(::GetTickCount());
    ::SendMessageW(GetDlgItem(IDC_WAIT_PROGRESS), PBM_SETPOS, seconds, 0);
    ShowStatus(m_strWarning + FillArgs(LocalizedText(L"WAIT_WAITING"), {m_strTarget, DecimalText(seconds)}));
}

void CWakeWaitDlg::Finish() {
    SetDlgItemText(IDC_WAIT_START, LocalizedText(L"WAIT_START"));
    const wchar_t* key = m_wait.VerdictKey();
    if (!key) return;
    const std::wstring seconds = DecimalText(m_wait.FinalSeconds());
    const std::wstring pc = m_wait.State() == WaitState::Answered ? DottedQuad(m_address) : m_strTarget;
    ShowStatus(m_strWarning + FillArgs(LocalizedText(key), {pc, seconds}));
}

// Nothing is sent to an address that is no other PC.
void CWakeWaitDlg::ShowRefusal(Refusal refusal) {
    const wchar_t* key = refusal == Refusal::OwnAddress ? L"WAIT_OWN_ADDRESS" : L"WAIT_NOT_A_PC";
    ShowStatus(FillArgs(LocalizedText(key), {m_strTarget}));
}

void CWakeWaitDlg::ShowStatus(const std::wstring& text) {
    SetDlgItemText(IDC_WAIT_STATUS, text);
}

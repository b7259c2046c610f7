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
#include "text/TextArgs.h"

const MessageMapEntry CWakeWaitDlg::messageEntries[] = {
    Map::Command<&CWakeWaitDlg::OnStartOrStop>(BN_CLICKED, IDC_WAIT_START),
    Map::Posted<&CWakeWaitDlg::OnResolved>(ProbeWorker::kResolved),
    Map::Posted<&CWakeWaitDlg::OnUnresolved>(ProbeWorker::kUnresolved),
    Map::Posted<&CWakeWaitDlg::OnProbed>(ProbeWorker::kProbed),
};
const MessageMap CWakeWaitDlg::messageMap{&CDialog::messageMap, messageEntries};

namespace {

std::wstring Trimmed(std::wstring text) {
    while (!text.empty() && text.back() == L' ') text.pop_back();
    while (!text.empty() && text.front() == L' ') text.erase(text.begin());
    return text;
}

}  // namespace

CWakeWaitDlg::CWakeWaitDlg(std::wstring macText, CWnd* pParentWnd)
    : CDialog(IDD_WAKEWAIT, pParentWnd), m_strMac(std::move(macText)) {
    ParseMacAddress(m_strMac, m_mac);
}

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
    SetDlgItemText(IDC_WAIT_MAC, FormatMacDisplay(m_strMac));
    ShowStatus(LocalizedText(L"WAIT_NOTE"));
    m_progress.SetRange(0, WaitMachine::kWaitMs / 1000);

    // Where this PC last saw the MAC address, if it has.
    std::uint32_t address = 0;
    if (FindAddressForMac(ReadArpCache(), m_mac, address)) m_edtAddress.SetWindowText(DottedQuad(address));
    // The field the user acts on first, not the MAC address above it.
    ::SetFocus(m_edtAddress.m_hWnd);
    return FALSE;
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
    m_strTarget = m_strShown = Trimmed(m_edtAddress.GetWindowText());
    m_strWarning.clear();
    m_strOther.clear();
    std::uint32_t address = 0;
    const TargetKind kind = ParseTarget(m_strTarget, address);
    if (kind == TargetKind::Invalid) {
        ShowStatus(LocalizedText(L"WAIT_BAD_ADDRESS"));
        return;
    }
    m_adapters = SurveyThisPc();
    m_rows = SubnetsOf(m_adapters);
    m_bName = kind == TargetKind::Name;
    if (!m_bName) {
        const Refusal refusal = RefuseAddress(address, m_adapters);
        if (refusal != Refusal::None) {
            ShowRefusal(refusal);
            return;
        }
    }
    if (!m_worker.Start(m_hWnd, ToAnsi(m_strTarget))) return;
    m_wait.Start(m_mac);
    m_btnStart.SetWindowText(LocalizedText(L"WAIT_STOP"));
    m_progress.SetPos(0);
    ShowStatus(FillArgs(LocalizedText(L"WAIT_CHECKING"), {m_strTarget}));
}

// A name's address is held to the rules of a typed one.
void CWakeWaitDlg::OnResolved(unsigned serial, std::uint32_t address) {
    if (!IsCurrent(serial)) return;
    m_address = address;
    if (m_bName) m_strShown = m_strTarget + L" (" + DottedQuad(address) + L")";
    const Refusal refusal = RefuseAddress(m_address, m_adapters);
    if (refusal != Refusal::None) {
        m_worker.Stop();
        m_wait.SendFailed();
        Finish();
        ShowRefusal(refusal);
        return;
    }
    const int row = LocalRowFor(m_address, m_adapters, m_rows);
    if (row < 0) m_strWarning = FillArgs(LocalizedText(L"WAIT_OFF_NETWORK"), {m_strShown}) + L"\n";
    // ARP only where the PC is on this PC's own subnet, through the adapter on it.
    const bool neighbour = row >= 0 && HasNeighbourProbe();
    m_worker.Begin(neighbour ? m_adapters[m_rows[static_cast<std::size_t>(row)].adapter].index : 0);
}

// A magic packet needs no address: it still goes, but nothing can watch.
void CWakeWaitDlg::OnUnresolved(unsigned serial, std::uint32_t) {
    if (!IsCurrent(serial)) return;
    m_worker.Stop();
    if (SendPackets(false))
        m_wait.Sent(::GetTickCount(), false);
    else
        m_wait.SendFailed();
    Finish();
}

void CWakeWaitDlg::OnProbed(unsigned serial, std::uint32_t) {
    if (!IsCurrent(serial)) return;
    for (const ProbeRound& round : m_worker.TakeRounds())
        if (m_wait.IsRunning()) OnRound(round);
}

void CWakeWaitDlg::OnRound(const ProbeRound& round) {
    if (m_wait.State() == WaitState::Checking) {
        const bool send = m_wait.FirstProbe(round);
        NoteOtherDevice();
        if (!send) {
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
    const bool going = m_wait.Probe(round, ::GetTickCount());
    NoteOtherDevice();
    if (going) {
        ShowProgress();
        return;
    }
    m_worker.Stop();
    Finish();
}

// Said at once, and before every status line after it: its answers never count.
void CWakeWaitDlg::NoteOtherDevice() {
    MacAddress other{};
    if (m_wait.OtherDevice(other))
        m_strOther = FillArgs(LocalizedText(L"WAIT_OTHER_DEVICE"), WaitTextArgs(m_wait, m_strShown, m_address, 0)) + L"\n";
}

bool CWakeWaitDlg::SendPackets(bool toTheSubnet) {
    const int row = toTheSubnet ? LocalRowFor(m_address, m_adapters, m_rows) : -1;
    const WakeSendResult sent = SendWakePackets(m_strMac, m_adapters, m_rows, row, m_chkEveryAdapter.IsChecked());
    if (!sent.AnySent()) ShowStatus(sent.failure);
    return sent.AnySent();
}

void CWakeWaitDlg::ShowProgress() {
    const std::uint32_t seconds = m_wait.ElapsedSeconds(::GetTickCount());
    m_progress.SetPos(static_cast<int>(seconds));
    ShowStatus(m_strWarning + m_strOther + FillArgs(LocalizedText(L"WAIT_WAITING"), {m_strShown, DecimalText(seconds)}));
}

void CWakeWaitDlg::Finish() {
    m_btnStart.SetWindowText(LocalizedText(L"WAIT_START"));
    const wchar_t* key = m_wait.VerdictKey();
    if (!key) return;
    const std::vector<std::wstring> args = WaitTextArgs(m_wait, m_strShown, m_address, m_wait.FinalSeconds());
    std::wstring verdict = m_strWarning + FillArgs(LocalizedText(key), args);
    MacAddress other{};
    if (m_wait.OtherDevice(other))
        verdict += L"\n" + FillArgs(LocalizedText(L"WAIT_OTHER_DEVICE_FINAL"), args);
    ShowStatus(verdict);
}

// Nothing is sent to an address that is no other PC.
void CWakeWaitDlg::ShowRefusal(Refusal refusal) {
    const wchar_t* key = refusal == Refusal::OwnAddress ? L"WAIT_OWN_ADDRESS" : L"WAIT_NOT_A_PC";
    ShowStatus(FillArgs(LocalizedText(key), {m_strShown}));
}

void CWakeWaitDlg::ShowStatus(const std::wstring& text) {
    m_status.SetText(text);
}

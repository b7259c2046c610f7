#include "CNetCheckDlg.h"

#include "CheckConclusions.h"
#include "CheckFactsReader.h"
#include "ThisPcReport.h"
#include "controls/ClipboardText.h"
#include "framework/SystemLibrary.h"
#include "lastwake/LocalTimeText.h"
#include "net/AdapterSend.h"
#include "net/DirectedSend.h"
#include "net/SystemAdapterFacts.h"
#include "net/Ipv4.h"
#include "res/resource.h"
#include "text/AnsiText.h"
#include "text/ControlTexts.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"

const MessageMapEntry CNetCheckDlg::messageEntries[] = {
    Map::Command<&CNetCheckDlg::OnSend>(BN_CLICKED, IDC_NETCHECK_SEND),
    Map::Command<&CNetCheckDlg::OnRefresh>(BN_CLICKED, IDC_NETCHECK_REFRESH),
    Map::Command<&CNetCheckDlg::OnCopyReport>(BN_CLICKED, IDC_NETCHECK_COPY_REPORT),
    Map::Posted<&CNetCheckDlg::OnLastWakeRead>(LastWakeWorker::kRead),
    Map::Message<&CNetCheckDlg::OnShown>(WM_APP_NETCHECK_SHOWN),
    Map::Message<&CNetCheckDlg::OnSize>(WM_SIZE),
    Map::GetMinMaxInfo<&CNetCheckDlg::OnGetMinMaxInfo>(),
};
const MessageMap CNetCheckDlg::messageMap{&CDialog::messageMap, messageEntries};

namespace {

enum Column { kAdapter, kKind, kAddress, kBroadcast, kState, kPowerOn, kSent, kWake, kColumns };
const wchar_t* const kColumnKeys[kColumns] = {
    L"NETCHECK_COL_ADAPTER", L"NETCHECK_COL_KIND",     L"NETCHECK_COL_ADDRESS", L"NETCHECK_COL_BROADCAST",
    L"NETCHECK_COL_STATE",   L"NETCHECK_COL_POWER_ON", L"NETCHECK_COL_SENT",    L"WAKE_COL"};
const int kColumnShares[kColumns] = {5, 5, 6, 6, 5, 5, 4, 7};

std::wstring KindText(const std::vector<Adapter>& adapters, const Adapter& a) {
    if (a.card >= 0)
        return FillArgs(LocalizedText(L"NETCHECK_SWITCH_ON"), {adapters[static_cast<std::size_t>(a.card)].label});
    static const wchar_t* const kKeys[] = {L"NETCHECK_ETHERNET", L"NETCHECK_WIFI", L"NETCHECK_TUNNEL", L"NETCHECK_OTHER"};
    const std::wstring kind = LocalizedText(kKeys[static_cast<int>(a.kind)]);
    return a.isVirtual ? FillArgs(LocalizedText(L"NETCHECK_VIRTUAL"), {kind}) : kind;
}

std::wstring FindingsText(const std::vector<Finding>& findings) {
    std::wstring text;
    for (const Finding& f : findings) {
        text += (text.empty() ? L"" : L"\r\n\r\n") + FillArgs(LocalizedText(f.key), f.args);
    }
    return text;
}

// The verdicts, one power state a line, after the card they are for; what
// Windows recorded of the last wake, once read; then what stops this PC from
// waking.
std::wstring ReadinessText(const CheckConclusions& c) {
    std::wstring text = FindingsText(c.verdictsBy);
    for (const VerdictLine& line : c.verdicts)
        text += (text.empty() ? L"" : L"\r\n") + LocalizedText(line.state) + L" " + LocalizedText(line.answer);
    if (!c.lastTime.empty()) text += L"\r\n\r\n" + FindingsText(c.lastTime);
    return text + L"\r\n\r\n" + FindingsText(c.readiness);
}

CheckConclusions Conclusions(const CheckFacts& facts, const LastWakeRecord& last) {
    return ConcludeCheck(facts, last, {&LocalTimeText, &LocalizedText});
}

}  // namespace

CNetCheckDlg::CNetCheckDlg(const MacAddress* pc, CWnd* pParentWnd) : CDialog(IDD_NETCHECK, pParentWnd), m_bHasMac(pc) {
    if (pc) m_mac = *pc;
    TakeKeys();
}

INT_PTR CNetCheckDlg::DoModal() {
    InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    return CDialog::DoModal();
}

// F5 lists the adapters again, wherever the focus is.
bool CNetCheckDlg::OnDialogKey(UINT virtualKey) {
    if (virtualKey != VK_F5) return false;
    OnRefresh();
    return true;
}

void CNetCheckDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NETCHECK_LIST, m_list);
}

BOOL CNetCheckDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    static const ControlText texts[] = {
        {IDC_NETCHECK_LIST_LABEL, L"NETCHECK_LIST_LABEL"}, {IDC_NETCHECK_FINDINGS_LABEL, L"NETCHECK_FINDINGS_LABEL"},
        {IDC_NETCHECK_READY_LABEL, L"NETCHECK_READY_LABEL"}, {IDC_NETCHECK_SEND, L"NETCHECK_SEND"},
        {IDC_NETCHECK_REFRESH, L"NETCHECK_REFRESH"},       {IDC_NETCHECK_COPY_REPORT, L"NETCHECK_COPY_REPORT"},
        {IDCANCEL, L"NETCHECK_CLOSE"}};
    SetControlTexts(*this, texts);
    ::EnableWindow(GetDlgItem(IDC_NETCHECK_SEND), m_bHasMac);

    m_list.SetFullRowSelect();
    for (int c = 0; c < kColumns; ++c) m_list.AddColumn(c, LocalizedText(kColumnKeys[c]), 0);
    m_list.FitColumns(kColumnShares);

    // The controls stand where the template puts them, for the template's
    // size; a screen too small for it has made the window smaller already.
    const SIZE size = TemplateSize();
    RECT templ{0, 0, size.cx, size.cy}, window{};
    ::MapDialogRect(m_hWnd, &templ);
    ::GetWindowRect(m_hWnd, &window);
    m_initialClient = {templ.right, templ.bottom};
    m_minWindow = {window.right - window.left, window.bottom - window.top};
    const Anchor anchors[] = {
        {IDC_NETCHECK_LIST, {}, true, true, false, false},           {IDC_NETCHECK_FINDINGS_LABEL, {}, true, false, false, true},
        {IDC_NETCHECK_FINDINGS, {}, true, false, false, true},       {IDC_NETCHECK_READY_LABEL, {}, false, false, false, true},
        {IDC_NETCHECK_READY, {}, true, false, false, true},          {IDC_NETCHECK_LIST_LABEL, {}, true, false, false, false},
        {IDC_NETCHECK_SEND, {}, false, false, false, true},
        {IDC_NETCHECK_REFRESH, {}, false, false, false, true}, {IDCANCEL, {}, false, false, true, true},
        {IDC_NETCHECK_COPY_REPORT, {}, false, false, false, true}, {IDC_NETCHECK_REPORT_STATUS, {}, true, false, false, true},
    };
    for (Anchor a : anchors) {
        ::GetWindowRect(GetDlgItem(a.id), &a.rect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&a.rect), 2);
        m_anchors.push_back(a);
    }
    OnSize();
    ShowAdapters();
    // Handled once the dialog is on screen: a long System log, and the
    // libraries that read it, must not hold the dialog back.
    ::PostMessageW(m_hWnd, WM_APP_NETCHECK_SHOWN, 0, 0);
    return TRUE;  // the focus goes to the list: Enter then closes
}

void CNetCheckDlg::ShowAdapters() {
    m_facts = ReadCheckFacts(m_bHasMac);
    m_rows = SubnetsOf(m_facts.adapters);
    m_list.DeleteAllRows();
    const std::wstring none = L"-";
    for (const AdapterSubnet& r : m_rows) {
        const Adapter& a = m_facts.adapters[r.adapter];
        const int row = m_list.AddRow(a.label);
        if (row < 0) continue;
        m_list.SetCell(row, kKind, KindText(m_facts.adapters, a));
        m_list.SetCell(row, kAddress, r.hasAddress ? DottedQuad(r.address) + L"/" + DecimalText(r.prefix) : none);
        m_list.SetCell(row, kBroadcast, r.hasBroadcast ? DottedQuad(r.broadcast) : none);
        m_list.SetCell(row, kState, LocalizedText(a.connected ? L"NETCHECK_CONNECTED" : L"NETCHECK_NOT_CONNECTED"));
        m_list.SetCell(row, kPowerOn, a.takesPowerOn ? LocalizedText(L"NETCHECK_LEAVES_HERE") : std::wstring());
        const wchar_t* wake = WakeSettingKey(WakeSettingAt(m_facts.adapters, r.adapter));
        m_list.SetCell(row, kWake, wake ? LocalizedText(wake) : std::wstring());
    }
    m_list.FitColumns(kColumnShares);  // a scroll bar may have come or gone
    SetDlgItemText(IDC_NETCHECK_FINDINGS, FindingsText(Conclusions(m_facts, m_lastWakeRecord).network));
    SetDlgItemText(IDC_NETCHECK_REPORT_STATUS, L"");  // a report copied before is of facts read before
    ShowReadiness();
}

void CNetCheckDlg::ShowReadiness() {
    SetDlgItemText(IDC_NETCHECK_READY, ReadinessText(Conclusions(m_facts, m_lastWakeRecord)));
}

void CNetCheckDlg::OnShown() {
    m_lastWake.Start(m_hWnd);
}

void CNetCheckDlg::OnLastWakeRead(unsigned serial, std::uint32_t) {
    if (!m_lastWake.IsCurrent(serial)) return;
    m_lastWakeRecord = m_lastWake.TakeRecord();
    ShowReadiness();
}

void CNetCheckDlg::OnRefresh() {
    ShowAdapters();
}

// The facts as the dialog shows them, not read again: the report is what
// the user saw.
void CNetCheckDlg::OnCopyReport() {
    const bool copied = WriteClipboardText(m_hWnd, ThisPcReport(m_facts, m_lastWakeRecord));
    SetDlgItemText(IDC_NETCHECK_REPORT_STATUS, LocalizedText(copied ? L"REPORT_COPIED" : L"REPORT_NOT_COPIED"));
}

void CNetCheckDlg::OnSize() {
    if (m_anchors.empty() || IsIconic()) return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int dx = client.right - m_initialClient.cx;
    const int dy = client.bottom - m_initialClient.cy;
    for (const Anchor& a : m_anchors) {
        const int x = a.rect.left + (a.moveX ? dx : 0);
        const int y = a.rect.top + (a.moveY ? dy : 0);
        const int w = a.rect.right - a.rect.left + (a.growX ? dx : 0);
        const int h = a.rect.bottom - a.rect.top + (a.growY ? dy : 0);
        ::MoveWindow(GetDlgItem(a.id), x, y, w, h, FALSE);
    }
    m_list.FitColumns(kColumnShares);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

// Never smaller than the template: every control keeps its room.
void CNetCheckDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (m_minWindow.cx == 0) return;  // asked before the dialog has its size
    info->ptMinTrackSize.x = m_minWindow.cx;
    info->ptMinTrackSize.y = m_minWindow.cy;
}

void CNetCheckDlg::OnSend() {
    if (!m_bHasMac) return;
    const std::vector<SendResult> results = SendThroughEveryAdapter(BuildMagicPacket(m_mac), m_facts.adapters, m_rows);
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (!results[i].Tried()) continue;
        m_list.SetCell(static_cast<int>(i), kSent,
                       results[i].Sent() ? LocalizedText(L"NETCHECK_SENT")
                                         : FillArgs(LocalizedText(L"NETCHECK_SEND_FAILED"), {results[i].FailureText()}));
    }
}

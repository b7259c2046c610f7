#include "CListenerDlg.h"

#include "ListenProblem.h"
#include "SimpleTcpipService.h"

#include "net/SystemAdapterFacts.h"
#include "text/ControlTexts.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"
#include "framework/SystemLibrary.h"
#include "res/resource.h"

namespace {

const std::vector<std::uint16_t> kPorts = {kWakePort, kDiscardPort, kEchoPort};
// Datagrams read per notification: a flood never holds the dialog for long,
// and the next notification comes while more are waiting.
constexpr int kBatch = 64;

enum Column { kTime, kFrom, kPort, kMac, kThisPc };
const int kColumnShares[] = {3, 5, 2, 8, 2};

std::wstring ClockText() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return DecimalText(now.wHour, 2) + L":" + DecimalText(now.wMinute, 2) + L":" + DecimalText(now.wSecond, 2);
}

}  // namespace

const MessageMapEntry CListenerDlg::messageEntries[] = {
    Map::Socket<&CListenerDlg::OnSocket>(WM_APP_SOCKET),
};
const MessageMap CListenerDlg::messageMap{&CDialog::messageMap, messageEntries};

CListenerDlg::CListenerDlg(CWnd* pParentWnd) : CDialog(IDD_LISTENER, pParentWnd) {}

INT_PTR CListenerDlg::DoModal() {
    InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    return CDialog::DoModal();
}

void CListenerDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LISTEN_LIST, m_list);
    DDX_Control(pDX, IDC_LISTEN_STATUS, m_status);
}

BOOL CListenerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    static const ControlText texts[] = {
        {IDC_LISTEN_NOTE, L"LISTEN_NOTE"}, {IDC_LISTEN_LIST_LABEL, L"LISTEN_LIST_LABEL"}, {IDCANCEL, L"LISTEN_CLOSE"}};
    SetControlTexts(*this, texts);

    m_list.SetFullRowSelect();
    m_list.AddColumn(kTime, LocalizedText(L"LISTEN_TIME"), 0);
    m_list.AddColumn(kFrom, LocalizedText(L"LISTEN_FROM"), 0);
    m_list.AddColumn(kPort, LocalizedText(L"LISTEN_PORT"), 0);
    m_list.AddColumn(kMac, LocalizedText(L"LISTEN_MAC"), 0);
    m_list.AddColumn(kThisPc, LocalizedText(L"LISTEN_THIS_PC"), 0);
    m_list.FitColumns(kColumnShares);

    // Every adapter's, also a card's under a virtual switch or bridge: the
    // one that wakes this PC.
    for (const Adapter& a : SurveyThisPc()) m_ownMacs.push_back(a.mac);
    m_listener.Open(m_hWnd, WM_APP_SOCKET, kPorts);
    ShowStatus();
    return TRUE;
}

void CListenerDlg::OnSocket(UINT_PTR socket) {
    // Every read re-arms the notification while more is waiting, so under a
    // flood many notifications find their datagrams read already: those
    // must cost next to nothing.
    Datagram datagram;
    int n = 0;
    for (; n < kBatch && m_listener.Receive(static_cast<SOCKET>(socket), datagram); ++n) {
        if (n == 0) m_list.SendMessage(WM_SETREDRAW, FALSE);
        MagicPacketMatch match;
        if (FindMagicPacket(datagram.bytes.data(), datagram.bytes.size(), match))
            AddRow(datagram, match);
        else
            ++m_nNotMagic;
    }
    if (n == 0) return;
    m_list.SendMessage(WM_SETREDRAW, TRUE);
    m_list.EnsureVisible(m_list.RowCount() - 1);
    m_list.FitColumns(kColumnShares);  // the first rows past the bottom bring a scroll bar
    ShowStatus();
}

void CListenerDlg::AddRow(const Datagram& datagram, const MagicPacketMatch& match) {
    // The oldest row goes first, so the list never grows past its bound.
    if (static_cast<std::size_t>(m_list.RowCount()) >= kMaxRows) m_list.DeleteRow(0);

    const int row = m_list.AddRow(ClockText());
    if (row < 0) return;

    std::wstring mac = FormatMacDisplay(match.mac);
    if (match.passwordLength != 0)
        mac = FillArgs(LocalizedText(L"LISTEN_PASSWORD"), {mac, DecimalText(match.passwordLength)});
    m_list.SetCell(row, kFrom, datagram.fromAddress + L":" + DecimalText(datagram.fromPort));
    m_list.SetCell(row, kPort, DecimalText(datagram.localPort));
    m_list.SetCell(row, kMac, mac);
    m_list.SetCell(row, kThisPc, IsThisPc(match.mac) ? LocalizedText(L"LISTEN_YES") : std::wstring());
}

bool CListenerDlg::IsThisPc(const MacAddress& mac) const {
    for (const MacAddress& own : m_ownMacs)
        if (own == mac) return true;
    return false;
}

void CListenerDlg::ShowStatus() {
    std::wstring open, problems;
    for (const ListenPort& p : m_listener.Ports()) {
        const std::wstring port = DecimalText(p.port);
        if (p.error == 0) {
            open += (open.empty() ? L"" : L", ") + port;
            continue;
        }
        // Asked once, and only where a port is refused.
        if (m_simpleTcpip < 0) m_simpleTcpip = IsSimpleTcpipRunning() ? 1 : 0;
        const wchar_t* key = ListenProblemKey(p.error, p.port, m_simpleTcpip == 1);
        problems += L" " + FillArgs(LocalizedText(key), {port, DecimalText(static_cast<unsigned long>(p.error))});
    }
    const std::wstring listening =
        open.empty() ? LocalizedText(L"LISTEN_NO_PORT") : FillArgs(LocalizedText(L"LISTEN_PORTS"), {open});
    m_status.SetText(listening + problems + L" " + FillArgs(LocalizedText(L"LISTEN_NOT_MAGIC"), {DecimalText(m_nNotMagic)}));
}

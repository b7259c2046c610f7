#include "CListenerDlg.h"

#include <commctrl.h>

#include "net/AdapterList.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"
#include "framework/SystemLibrary.h"
#include "res/resource.h"

namespace {

constexpr UINT WM_APP_SOCKET = WM_APP + 1;
const std::vector<std::uint16_t> kPorts = {kWakePort, kDiscardPort, kEchoPort};
// Datagrams read per notification: a flood never holds the dialog for long,
// and the next notification comes while more are waiting.
constexpr int kBatch = 64;

enum Column { kTime, kFrom, kPort, kMac, kThisPc };

std::wstring ClockText() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return DecimalText(now.wHour, 2) + L":" + DecimalText(now.wMinute, 2) + L":" + DecimalText(now.wSecond, 2);
}

void SetCell(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void AddColumn(HWND list, int column, const wchar_t* key, int width) {
    const std::wstring title = LocalizedText(key);
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    c.cx = width;
    c.pszText = const_cast<wchar_t*>(title.c_str());
    c.iSubItem = column;
    ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
}

void LoadListViewClass() {
    // Found at run time: the program imports nothing from the common
    // controls, which only this dialog needs.
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const HMODULE controls = LoadCommonControls();
    const auto init = controls ? SystemProcAs<InitFn>(::GetProcAddress(controls, "InitCommonControlsEx")) : nullptr;
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    if (init) init(&classes);
}

}  // namespace

const MessageMapEntry CListenerDlg::messageEntries[] = {
    Map::Socket<&CListenerDlg::OnSocket>(WM_APP_SOCKET),
};
const MessageMap CListenerDlg::messageMap{&CDialog::messageMap, messageEntries};

CListenerDlg::CListenerDlg(CWnd* pParentWnd) : CDialog(IDD_LISTENER, pParentWnd) {}

INT_PTR CListenerDlg::DoModal() {
    LoadListViewClass();
    return CDialog::DoModal();
}

BOOL CListenerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(LocalizedCaption());
    SetDlgItemText(IDC_LISTEN_NOTE, LocalizedText(L"LISTEN_NOTE"));
    SetDlgItemText(IDCANCEL, LocalizedText(L"LISTEN_CLOSE"));

    m_hList = GetDlgItem(IDC_LISTEN_LIST);
    ::SendMessageW(m_hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT list{};
    ::GetClientRect(m_hList, &list);
    const int unit = list.right / 20;  // the columns share the width 3:5:2:8:2
    AddColumn(m_hList, kTime, L"LISTEN_TIME", 3 * unit);
    AddColumn(m_hList, kFrom, L"LISTEN_FROM", 5 * unit);
    AddColumn(m_hList, kPort, L"LISTEN_PORT", 2 * unit);
    AddColumn(m_hList, kMac, L"LISTEN_MAC", 8 * unit);
    AddColumn(m_hList, kThisPc, L"LISTEN_THIS_PC", list.right - 18 * unit);

    std::vector<AdapterRecord> adapters;
    SystemAdapterSource system;
    if (QueryAdapters(system, adapters)) {
        for (const AdapterRecord& a : adapters) m_ownMacs.push_back(a.mac);
    }
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
        if (n == 0) ::SendMessageW(m_hList, WM_SETREDRAW, FALSE, 0);
        MagicPacketMatch match;
        if (FindMagicPacket(datagram.bytes.data(), datagram.bytes.size(), match))
            AddRow(datagram, match);
        else
            ++m_nNotMagic;
    }
    if (n == 0) return;
    ::SendMessageW(m_hList, WM_SETREDRAW, TRUE, 0);
    const LRESULT rows = ::SendMessageW(m_hList, LVM_GETITEMCOUNT, 0, 0);
    ::SendMessageW(m_hList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(rows - 1), FALSE);
    ShowStatus();
}

void CListenerDlg::AddRow(const Datagram& datagram, const MagicPacketMatch& match) {
    // The oldest row goes first, so the list never grows past its bound.
    if (static_cast<std::size_t>(::SendMessageW(m_hList, LVM_GETITEMCOUNT, 0, 0)) >= kMaxRows)
        ::SendMessageW(m_hList, LVM_DELETEITEM, 0, 0);

    const std::wstring time = ClockText();
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = INT_MAX;  // at the bottom
    item.pszText = const_cast<wchar_t*>(time.c_str());
    const int row = static_cast<int>(::SendMessageW(m_hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return;

    std::wstring mac = FormatMacDisplay(match.mac);
    if (match.passwordLength != 0)
        mac = FillArgs(LocalizedText(L"LISTEN_PASSWORD"), {mac, DecimalText(match.passwordLength)});
    SetCell(m_hList, row, kFrom, datagram.fromAddress + L":" + DecimalText(datagram.fromPort));
    SetCell(m_hList, row, kPort, DecimalText(datagram.localPort));
    SetCell(m_hList, row, kMac, mac);
    SetCell(m_hList, row, kThisPc, IsThisPc(match.mac) ? LocalizedText(L"LISTEN_YES") : std::wstring());
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
        if (p.error == 0)
            open += (open.empty() ? L"" : L", ") + port;
        else if (p.error == WSAEADDRINUSE || p.error == WSAEACCES)
            problems += L" " + FillArgs(LocalizedText(L"LISTEN_IN_USE"), {port});
        else
            problems += L" " + FillArgs(LocalizedText(L"LISTEN_PORT_FAILED"), {port, DecimalText(static_cast<unsigned long>(p.error))});
    }
    const std::wstring listening =
        open.empty() ? LocalizedText(L"LISTEN_NO_PORT") : FillArgs(LocalizedText(L"LISTEN_PORTS"), {open});
    SetDlgItemText(IDC_LISTEN_STATUS,
                   listening + problems + L" " + FillArgs(LocalizedText(L"LISTEN_NOT_MAGIC"), {DecimalText(m_nNotMagic)}));
}

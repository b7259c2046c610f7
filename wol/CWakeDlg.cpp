#include "CWakeDlg.h"

#include "CMacErrorDlg.h"
#include "CSendErrorDlg.h"
#include "CSentNoticeDlg.h"
#include "net/BroadcastDestination.h"
#include "net/WinsockLayer.h"
#include "ownmac/COwnMacDlg.h"
#include "text/AnsiText.h"
#include "text/ControlTexts.h"
#include "text/LangTexts.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "listener/CListenerDlg.h"
#include "netcheck/CNetCheckDlg.h"
#include "wakewait/CWakeWaitDlg.h"
#include "net/WinsockStartup.h"
#include "res/resource.h"

const MessageMapEntry CWakeDlg::messageEntries[] = {
    Map::Message<&CWakeDlg::OnPaint>(WM_PAINT),
    Map::QueryDragIcon<&CWakeDlg::OnQueryDragIcon>(),
    Map::Command<&CWakeDlg::OnPowerOn>(BN_CLICKED, IDC_POWER_ON),
    Map::Command<&CWakeDlg::OnViewOwnMac>(STN_CLICKED, IDC_GET_MAC_NOTIFY),
    Map::SysCommand<&CWakeDlg::OnSysCommand>(),
};
const MessageMap CWakeDlg::messageMap{&CDialog::messageMap, messageEntries};

CWakeDlg::CWakeDlg(CWnd* pParentWnd)
    : CDialog(IDD_WAKE_DIALOG, pParentWnd),
      m_hIcon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

void CWakeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GET_MAC_NOTIFY, m_linkOwnMac);
    DDX_Control(pDX, IDC_MAC_EDIT, m_editMac);
}

BOOL CWakeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_editMac.SetReadOnly(FALSE);

    static const ControlText texts[] = {{IDC_MAIN_CAPTION, L"MAIN_CAPTION"},       {IDC_MAC_CAPTION, L"MAC_CAPTION"},
                                     {IDC_MAC_NAME, L"MAC_NAME"},               {IDC_POWER_ON, L"WOL_NAME"},
                                     {IDC_GET_MAC_CAPTION, L"GET_MAC_CAPTION"}, {IDC_GET_MAC_NOTIFY, L"GET_MAC_NOTIFY"}};
    SetControlTexts(*this, texts);
    // The field comes first in its template, so no label before it names it:
    // screen readers are given its label's text. COM only where one runs,
    // so that start-up stays as light as it is.
    if (ScreenReaderRuns()) m_accessibility.SetName(m_editMac.m_hWnd, LocalizedText(L"MAC_NAME"));

    // The listener, the network check and Wake and wait are for when a PC
    // does not wake, not part of the main task: they wait in the window menu.
    const HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
    const std::wstring listen = LocalizedText(L"LISTEN_MENU");
    const std::wstring check = LocalizedText(L"NETCHECK_MENU");
    const std::wstring wait = LocalizedText(L"WAIT_MENU");
    ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(systemMenu, MF_STRING, IDM_LISTEN, listen.c_str());
    ::AppendMenuW(systemMenu, MF_STRING, IDM_NETCHECK, check.c_str());
    ::AppendMenuW(systemMenu, MF_STRING, IDM_WAKEWAIT, wait.c_str());
    return TRUE;  // the focus goes to the first tab stop, the MAC field
}

void CWakeDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
}

HICON CWakeDlg::OnQueryDragIcon() {
    return m_hIcon;
}

// The field only ever holds hex digits and separators, so only a short
// address fails to read; it gets the wrong-address notice, and the caller
// goes no further.
bool CWakeDlg::CompleteMacOrNotice(MacAddress& mac) {
    if (ParseMacAddress(m_editMac.GetMacText(), mac)) return true;
    CMacErrorDlg notice;
    notice.DoModal();
    return false;
}

void CWakeDlg::OnPowerOn() {
    MacAddress mac{};
    if (!CompleteMacOrNotice(mac)) return;
    // The sender takes the field's own text.
    if (SendMagicPacket(m_editMac.GetMacText(), kLimitedBroadcastHost) == 0) {
        CSentNoticeDlg notice;
        notice.DoModal();
    } else {
        CSendErrorDlg notice;
        notice.DoModal();
    }
}

void CWakeDlg::OnViewOwnMac() {
    COwnMacDlg dlg;
    dlg.DoModal();
}

void CWakeDlg::OnSysCommand(UINT id) {
    // The low four bits of a system command are the system's own.
    switch (id & 0xFFF0) {
    case IDM_LISTEN: {
        CListenerDlg dlg;
        dlg.DoModal();
        break;
    }
    case IDM_NETCHECK: {
        MacAddress mac{};
        CNetCheckDlg dlg(ParseMacAddress(m_editMac.GetMacText(), mac) ? &mac : nullptr);
        dlg.DoModal();
        break;
    }
    case IDM_WAKEWAIT: {
        MacAddress mac{};
        if (!CompleteMacOrNotice(mac)) break;
        CWakeWaitDlg dlg(mac);
        dlg.DoModal();
        break;
    }
    default:
        Default();
    }
}

namespace {
// The sender's failures, each in a modal message box owned by the main window.
class MessageBoxReport final : public FailureReport {
public:
    void Show(const wchar_t* text) override { AfxMessageBox(text, MB_OK, 0); }
};
}  // namespace

int CWakeDlg::SendMagicPacket(const std::wstring& macText, const std::wstring& destination) {
    WinsockStartup winsock;
    WinsockLayer layer;
    MessageBoxReport report;
    return SendMagicPacketVia(winsock, layer, report, ToAnsi(macText), ToAnsi(destination));
}

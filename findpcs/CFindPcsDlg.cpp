#include "CFindPcsDlg.h"

#include <algorithm>

#include "ScanLines.h"
#include "framework/SystemLibrary.h"
#include "net/Ipv4.h"
#include "res/resource.h"
#include "text/ControlTexts.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"

const MessageMapEntry CFindPcsDlg::messageEntries[] = {
    Map::Command<&CFindPcsDlg::OnAdd>(BN_CLICKED, IDC_FINDPCS_ADD),
    Map::Command<&CFindPcsDlg::OnStop>(BN_CLICKED, IDC_FINDPCS_STOP),
    Map::Posted<&CFindPcsDlg::OnNews>(WM_APP_SCAN_NEWS),
    Map::Posted<&CFindPcsDlg::OnDone>(WM_APP_SCAN_DONE),
};
const MessageMap CFindPcsDlg::messageMap{&CDialog::messageMap, messageEntries};

namespace {

enum Column { kAddress, kMac, kName, kMaker, kSubnet, kColumns };
const wchar_t* const kColumnKeys[kColumns] = {L"FINDPCS_COL_ADDRESS", L"FINDPCS_COL_MAC", L"FINDPCS_COL_NAME",
                                               L"FINDPCS_COL_MAKER", L"FINDPCS_COL_SUBNET"};
const int kColumnShares[kColumns] = {5, 7, 7, 5, 7};

// Sentences of the status line, one after another.
void AddSentence(std::wstring& text, const std::wstring& sentence) {
    if (!text.empty() && !sentence.empty()) text += L' ';
    text += sentence;
}

}  // namespace

CFindPcsDlg::CFindPcsDlg(SavedPcBook& book, ScanFunction scan, CWnd* pParentWnd)
    : CDialog(IDD_FINDPCS, pParentWnd), m_book(book), m_scan(scan) {}

INT_PTR CFindPcsDlg::DoModal() {
    InitCommonControlClasses(ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS);
    return CDialog::DoModal();
}

void CFindPcsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FINDPCS_LIST, m_list);
    DDX_Control(pDX, IDC_FINDPCS_PROGRESS, m_progress);
    DDX_Control(pDX, IDC_FINDPCS_STATUS, m_status);
}

BOOL CFindPcsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    static const ControlText texts[] = {{IDC_FINDPCS_LIST_LABEL, L"FINDPCS_LIST_LABEL"},
                                        {IDC_FINDPCS_ADD, L"FINDPCS_ADD"},
                                        {IDC_FINDPCS_STOP, L"FINDPCS_STOP"},
                                        {IDCANCEL, L"FINDPCS_CLOSE"}};
    SetControlTexts(*this, texts);
    ::SetWindowTextW(m_hWnd, (LocalizedText(L"FINDPCS_TITLE") + L" - " + LocalizedCaption()).c_str());
    m_list.SetFullRowSelect();
    for (int c = 0; c < kColumns; ++c) m_list.AddColumn(c, LocalizedText(kColumnKeys[c]), 0);
    m_list.FitColumns(kColumnShares);
    ::EnableWindow(GetDlgItem(IDC_FINDPCS_ADD), FALSE);
    // Nothing is asked before the user opens this window.
    if (!m_worker.Start(m_hWnd, std::make_unique<ScanJob>(m_scan))) OnStop();  // no thread to be had
    return TRUE;
}

void CFindPcsDlg::OnNews(unsigned serial, std::uint32_t) {
    if (!m_worker.IsCurrent(serial)) return;
    ScanNews news = static_cast<ScanJob*>(m_worker.Current())->Take();
    if (news.planned) {
        m_plan.swap(news.plan);
        m_progress.SetRange(0, static_cast<int>(news.total));
        ShowStatus(m_plan.empty() ? L"CLI_SCAN_NO_NETWORK" : L"FINDPCS_SCANNING", !m_plan.empty());
    }
    for (const FoundDevice& d : news.devices) AddDevice(d);
    if (news.swept) {
        // Proxy ARP shows only once every address has been asked.
        for (const std::uint32_t address : news.proxies) {
            const std::size_t i = RowOf(address);
            if (IsRow(i, address) && !m_devices[i].proxy) {
                m_devices[i].proxy = true;
                ShowName(i);
            }
        }
        ShowStatus(L"FINDPCS_NAMING");
    }
    for (const auto& named : news.names) {
        const std::size_t i = RowOf(named.first);
        if (!IsRow(i, named.first)) continue;
        m_devices[i].name = named.second;
        ShowName(i);
    }
    m_progress.SetPos(static_cast<int>(news.done));
    m_list.FitColumns(kColumnShares);
}

// A scan stopped before its end posted nothing the window still takes.
void CFindPcsDlg::OnDone(unsigned serial, std::uint32_t) {
    if (!m_worker.IsCurrent(serial)) return;
    OnNews(serial, 0);
    m_worker.Stop();
    ::EnableWindow(GetDlgItem(IDC_FINDPCS_STOP), FALSE);
    if (!m_plan.empty()) ShowStatus(L"FINDPCS_DONE");
}

void CFindPcsDlg::OnStop() {
    m_worker.Stop();  // returns at once; whatever the scan posts later is dropped
    ::EnableWindow(GetDlgItem(IDC_FINDPCS_STOP), FALSE);
    ::SetFocus(GetDlgItem(IDC_FINDPCS_LIST));
    ShowStatus(L"FINDPCS_STOPPED");
}

// In its place by address, so that the list reads as /scan's lines do.
void CFindPcsDlg::AddDevice(const FoundDevice& device) {
    const std::size_t at = RowOf(device.address);
    if (IsRow(at, device.address)) return;
    const int row = static_cast<int>(at);
    m_devices.push_back(device);
    SortByAddress(m_devices);  // only the new one moves
    m_list.InsertRow(row, DottedQuad(device.address));
    m_list.SetCell(row, kMac, FormatMacDisplay(device.mac));
    m_list.SetCell(row, kMaker, MakerText(device.mac));
    if (device.subnet >= 0 && static_cast<std::size_t>(device.subnet) < m_plan.size())
        m_list.SetCell(row, kSubnet, SubnetText(m_plan[static_cast<std::size_t>(device.subnet)]));
    ShowName(at);
    ::EnableWindow(GetDlgItem(IDC_FINDPCS_ADD), TRUE);
}

// The row of this address, or where it would go.
std::size_t CFindPcsDlg::RowOf(std::uint32_t address) const {
    const auto at = std::lower_bound(m_devices.begin(), m_devices.end(), address,
                                     [](const FoundDevice& d, std::uint32_t a) { return d.address < a; });
    return static_cast<std::size_t>(at - m_devices.begin());
}

bool CFindPcsDlg::IsRow(std::size_t row, std::uint32_t address) const {
    return row < m_devices.size() && m_devices[row].address == address;
}

// A PC already saved shows its saved name; a router's proxy ARP says so.
void CFindPcsDlg::ShowName(std::size_t row) {
    const FoundDevice& d = m_devices[row];
    const std::wstring saved = m_book.SavedNameOf(d.mac);
    std::wstring name = saved.empty() ? d.name : saved;
    if (d.proxy) name += (name.empty() ? L"" : L", ") + LocalizedText(L"FINDPCS_PROXY");
    m_list.SetCell(static_cast<int>(row), kName, name);
}

void CFindPcsDlg::OnAdd() {
    std::vector<PcToSave> pcs;
    std::wstring leftOut;
    for (int row = m_list.NextSelected(-1); row >= 0; row = m_list.NextSelected(row)) {
        const FoundDevice& d = m_devices[static_cast<std::size_t>(row)];
        const std::wstring address = DottedQuad(d.address);
        if (d.proxy) {
            AddSentence(leftOut, FillArgs(LocalizedText(L"FINDPCS_PROXY_LEFT_OUT"), {address}));
            continue;
        }
        pcs.push_back({d.name.empty() ? address : d.name, d.mac, address});
    }
    std::wstring said = pcs.empty() ? std::wstring() : m_book.Save(pcs);
    AddSentence(said, leftOut);
    m_status.SetText(said);
    for (std::size_t i = 0; i < m_devices.size(); ++i) ShowName(i);
}

void CFindPcsDlg::ShowStatus(const wchar_t* key, bool scanning) {
    const std::size_t count = scanning ? TargetCount(m_plan) : m_devices.size();
    std::wstring text = FillArgs(LocalizedText(key), {DecimalText(static_cast<unsigned long>(count))});
    for (const ScanSubnet& s : m_plan)
        if (s.cut) AddSentence(text, FillArgs(LocalizedText(L"FINDPCS_CUT"), {SubnetText(s)}));
    m_status.SetText(text);
}

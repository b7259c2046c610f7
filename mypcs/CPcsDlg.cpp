#include "CPcsDlg.h"

#include "CPcEditDlg.h"
#include "PcFields.h"
#include "framework/CWinApp.h"
#include "PcScanBook.h"
#include "PcSend.h"
#include "findpcs/FindPcs.h"
#include "framework/SystemLibrary.h"
#include "net/SystemAdapterFacts.h"
#include "res/resource.h"
#include "text/ControlTexts.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"
#include "wakewait/CWakeWaitDlg.h"

const MessageMapEntry CPcsDlg::messageEntries[] = {
    Map::Command<&CPcsDlg::OnWake>(BN_CLICKED, IDC_PCS_WAKE),
    Map::Command<&CPcsDlg::OnAdd>(BN_CLICKED, IDC_PCS_ADD),
    Map::Command<&CPcsDlg::OnEdit>(BN_CLICKED, IDC_PCS_EDIT),
    Map::Command<&CPcsDlg::OnRemove>(BN_CLICKED, IDC_PCS_REMOVE),
    Map::Command<&CPcsDlg::OnWakeAndWait>(BN_CLICKED, IDC_PCS_WAIT),
    Map::Command<&CPcsDlg::OnFindPcs>(BN_CLICKED, IDC_PCS_FIND),
    Map::Posted<&CPcsDlg::OnProbed>(PcStateJob::kProbed),
};
const MessageMap CPcsDlg::messageMap{&CDialog::messageMap, messageEntries};

namespace {

const int kColumnShares[] = {3, 4, 3, 3, 3};
const wchar_t* const kStateKeys[] = {L"PCS_STATE_NONE", L"PCS_STATE_PROBING", L"PCS_STATE_AWAKE", L"PCS_STATE_ARP_ONLY",
                                     L"PCS_STATE_NOT_ANSWERING"};

std::wstring StateText(PcState state) {
    return LocalizedText(kStateKeys[static_cast<int>(state)]);
}

std::wstring SentTo(const SavedPc& pc) {
    std::wstring where = pc.destination.empty() ? LocalizedText(L"PCS_SENT_BROADCAST") : pc.destination;
    if (pc.port) (where += L':') += DecimalText(pc.port);
    return where;
}

std::wstring UnreadableSentence(const PcList& list) {
    if (list.UnreadableLines().empty()) return std::wstring();
    std::wstring numbers;
    for (const std::size_t n : list.UnreadableLines()) AddToList(numbers, DecimalText(n));
    return L" " + FillArgs(LocalizedText(L"PCS_UNREADABLE"), {DecimalText(list.UnreadableLines().size()), numbers});
}

}  // namespace

CPcsDlg::CPcsDlg(CWnd* pParentWnd) : CDialog(IDD_PCS, pParentWnd) {}

INT_PTR CPcsDlg::DoModal() {
    InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    return CDialog::DoModal();
}

void CPcsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PCS_LIST, m_list);
    DDX_Control(pDX, IDC_PCS_STATUS, m_status);
}

BOOL CPcsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    static const ControlText texts[] = {{IDC_PCS_LABEL, L"PCS_LABEL"}, {IDC_PCS_WAKE, L"PCS_WAKE"},
                                        {IDC_PCS_ADD, L"PCS_ADD"},     {IDC_PCS_EDIT, L"PCS_EDIT"},
                                        {IDC_PCS_REMOVE, L"PCS_REMOVE"}, {IDC_PCS_WAIT, L"PCS_WAIT"},
                                        {IDC_PCS_FIND, L"PCS_FIND"},   {IDCANCEL, L"PCS_CLOSE"}};
    SetControlTexts(*this, texts);
    m_list.SetFullRowSelect();
    const wchar_t* const columns[] = {L"PCS_COL_NAME", L"PCS_COL_MAC", L"PCS_COL_ADDRESS", L"PCS_COL_SENT_TO",
                                      L"PCS_COL_STATE"};
    for (int c = 0; c < 5; ++c) m_list.AddColumn(c, LocalizedText(columns[c]), 60);
    const bool read = m_book.Load();
    ShowList(read ? std::wstring() : FillArgs(LocalizedText(L"PCS_NOT_READ"), {m_file.Path()}));
    ::SetFocus(m_list.m_hWnd);
    return FALSE;
}

void CPcsDlg::OnCancel() {
    m_worker.Stop();
    CDialog::OnCancel();
}

void CPcsDlg::ShowList(const std::wstring& status) {
    m_list.DeleteAllRows();
    const PcList& list = m_book.List();
    std::vector<std::wstring> addresses;
    m_states.assign(list.Pcs().size(), PcState::Probing);
    for (std::size_t i = 0; i < m_states.size(); ++i) {
        const SavedPc& pc = list.Pcs()[i];
        const int row = m_list.AddRow(pc.name);
        m_list.SetCell(row, 1, FormatMacDisplay(pc.mac));
        m_list.SetCell(row, 2, pc.address);
        m_list.SetCell(row, 3, SentTo(pc));
        if (pc.address.empty()) m_states[i] = PcState::NoAddress;
        m_list.SetCell(row, 4, StateText(m_states[i]));
        addresses.push_back(pc.address);
    }
    m_list.FitColumns(kColumnShares);
    std::wstring text = status + UnreadableSentence(list);
    if (list.TooLong()) (text += L' ') += LocalizedText(L"PCS_NOT_WRITABLE");
    m_status.SetText(text.empty() ? FillArgs(LocalizedText(L"PCS_COUNT"), {DecimalText(list.Pcs().size())}) : text);
    m_worker.Start(m_hWnd, std::make_unique<PcStateJob>(std::move(addresses), SurveyThisPc()));
}

void CPcsDlg::OnProbed(unsigned serial, std::uint32_t) {
    if (!m_worker.IsCurrent(serial)) return;
    const std::vector<PcState> states = static_cast<PcStateJob*>(m_worker.Current())->States();
    for (std::size_t i = 0; i < states.size() && i < m_states.size(); ++i) {
        // Only a change is written, so that a screen reader hears it once.
        if (states[i] == m_states[i]) continue;
        m_states[i] = states[i];
        m_list.SetCell(static_cast<int>(i), 4, StateText(states[i]));
    }
}

std::vector<std::size_t> CPcsDlg::Selected() const {
    std::vector<std::size_t> rows;
    for (int row = -1; (row = static_cast<int>(m_list.SendMessage(LVM_GETNEXTITEM, row, LVNI_SELECTED))) >= 0;)
        rows.push_back(static_cast<std::size_t>(row));
    return rows;
}

bool CPcsDlg::OneSelected(std::size_t& index) {
    const std::vector<std::size_t> rows = Selected();
    if (rows.size() != 1) {
        m_status.SetText(LocalizedText(L"PCS_SELECT_ONE"));
        return false;
    }
    index = rows.front();
    return true;
}

void CPcsDlg::OnWake() {
    const std::vector<std::size_t> rows = Selected();
    if (rows.empty()) return m_status.SetText(LocalizedText(L"PCS_SELECT"));
    const std::vector<Adapter> adapters = SurveyThisPc();
    std::wstring said;
    for (const std::size_t row : rows) {
        for (const std::wstring& line : SendForPc(OrderForPc(m_book.List().Pcs()[row]), adapters).lines) {
            if (!said.empty()) said += L' ';
            said += line;
        }
    }
    m_status.SetText(said);
}

void CPcsDlg::Changed(PcChange change, const std::wstring& name) {
    const std::wstring sentence = PcChangeSentence(change, name);
    ShowList(change == PcChange::WriteFailed ? FillArgs(sentence, {m_file.Path()}) : sentence);
}

void CPcsDlg::OnAdd() {
    CPcEditDlg dlg(SavedPc(), true, this);
    if (dlg.DoModal() == IDOK) Changed(m_book.Add(dlg.Pc()), dlg.Pc().name);
}

void CPcsDlg::OnEdit() {
    std::size_t index = 0;
    if (!OneSelected(index)) return;
    CPcEditDlg dlg(m_book.List().Pcs()[index], false, this);
    if (dlg.DoModal() == IDOK) Changed(m_book.Edit(index, dlg.Pc()), dlg.Pc().name);
}

void CPcsDlg::OnRemove() {
    const std::vector<std::size_t> rows = Selected();
    if (rows.empty()) return m_status.SetText(LocalizedText(L"PCS_SELECT"));
    std::wstring names;
    for (const std::size_t row : rows) AddToList(names, m_book.List().Pcs()[row].name);
    const std::wstring ask = FillArgs(LocalizedText(L"PCS_REMOVE_ASK"), {names});
    if (AfxMessageBoxOwned(m_hWnd, ask.c_str(), MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION) != IDYES) return;
    const PcChange change = m_book.Remove(rows);
    ShowList(change == PcChange::Saved ? FillArgs(LocalizedText(L"PCS_REMOVED"), {names}) : PcChangeSentence(change, names));
}

void CPcsDlg::OnWakeAndWait() {
    std::size_t index = 0;
    if (!OneSelected(index)) return;
    const PcSendOrder pc = OrderForPc(m_book.List().Pcs()[index]);
    CWakeWaitDlg dlg(pc.mac, this, pc.address, WakeExtras{pc.port, pc.password, pc.destination, false});
    dlg.DoModal();
}

void CPcsDlg::OnFindPcs() {
    PcScanBook book(m_book);
    ShowFindPcs(m_hWnd, book);
    ShowList(std::wstring());
}

#include "CPcEditDlg.h"

#include "PcFields.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "text/ControlTexts.h"
#include "text/LangTexts.h"
#include "text/Trimmed.h"

namespace {

std::wstring TrimmedText(const CWnd& edit) {
    return Trimmed(edit.GetWindowText(), L" ");
}

}  // namespace

CPcEditDlg::CPcEditDlg(const SavedPc& pc, bool isNew, CWnd* pParentWnd)
    : CDialog(IDD_PC_EDIT, pParentWnd), m_pc(pc), m_bNew(isNew) {}

void CPcEditDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PC_NAME, m_edtName);
    DDX_Control(pDX, IDC_PC_MAC, m_edtMac);
    DDX_Control(pDX, IDC_PC_ADDRESS, m_edtAddress);
    DDX_Control(pDX, IDC_PC_DESTINATION, m_edtDestination);
    DDX_Control(pDX, IDC_PC_PORT, m_edtPort);
    DDX_Control(pDX, IDC_PC_PASSWORD, m_edtPassword);
}

BOOL CPcEditDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    static const ControlText texts[] = {{IDC_PC_NAME_LABEL, L"PCE_NAME"},       {IDC_PC_MAC_LABEL, L"PCE_MAC"},
                                        {IDC_PC_ADDRESS_LABEL, L"PCE_ADDRESS"}, {IDC_PC_DESTINATION_LABEL, L"PCE_DESTINATION"},
                                        {IDC_PC_PORT_LABEL, L"PCE_PORT"},       {IDC_PC_PASSWORD_LABEL, L"PCE_PASSWORD"},
                                        {IDOK, L"PCE_OK"},                      {IDCANCEL, L"PCE_CANCEL"}};
    SetControlTexts(*this, texts);
    m_edtMac.SetReadOnly(FALSE);
    m_edtName.SetWindowText(m_pc.name);
    if (!m_bNew || m_pc.mac != MacAddress{}) m_edtMac.SetWindowText(FormatMacDisplay(m_pc.mac));
    m_edtAddress.SetWindowText(m_pc.address);
    m_edtDestination.SetWindowText(m_pc.destination);
    m_edtPort.SetWindowText(PortText(m_pc.port));
    m_edtPassword.SetWindowText(m_pc.password);
    return TRUE;
}

void CPcEditDlg::Refuse(CWnd& field, const wchar_t* key) {
    AfxMessageBoxOwned(m_hWnd, LocalizedText(key).c_str(), MB_OK | MB_ICONEXCLAMATION);
    ::SetFocus(field.m_hWnd);
    field.SendMessage(EM_SETSEL, 0, -1);
}

void CPcEditDlg::OnOK() {
    SavedPc pc;
    pc.name = TrimmedText(m_edtName);
    pc.address = TrimmedText(m_edtAddress);
    pc.destination = TrimmedText(m_edtDestination);
    pc.password = TrimmedText(m_edtPassword);
    const std::wstring port = TrimmedText(m_edtPort);
    const wchar_t* key = nullptr;
    const PcField bad = FindBadField(pc, key);
    CWnd* fields[] = {nullptr, &m_edtName, &m_edtMac, &m_edtAddress, &m_edtDestination, &m_edtPort, &m_edtPassword};
    if (bad == PcField::Name) return Refuse(m_edtName, key);
    if (!ParseMacAddress(m_edtMac.GetMacText(), pc.mac)) return Refuse(m_edtMac, L"PCE_BAD_MAC");
    if (bad != PcField::None) return Refuse(*fields[static_cast<int>(bad)], key);
    if (!port.empty() && !ParsePort(port, pc.port)) return Refuse(m_edtPort, L"PCS_BAD_PORT");
    m_pc = pc;
    CDialog::OnOK();
}

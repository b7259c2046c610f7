#include "CDialog.h"

#include "CWinApp.h"

const MessageMapEntry CDialog::messageEntries[] = {
    Map::Command<&CDialog::OnOK>(BN_CLICKED, IDOK),
    Map::Command<&CDialog::OnCancel>(BN_CLICKED, IDCANCEL),
};
const MessageMap CDialog::messageMap{&CWnd::messageMap, messageEntries};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!rControl.m_hWnd) rControl.SubclassWindow(pDX->m_pDlgWnd->GetDlgItem(nIDC));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

HWND CDialog::OwnerWindow() const {
    if (m_pParentWnd) return m_pParentWnd->m_hWnd;
    CWnd* mainWnd = AfxGetMainWnd();
    return mainWnd != this && mainWnd ? mainWnd->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal() {
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), OwnerWindow(),
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
    CDataExchange dx{this};
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::DefWindowProc(UINT, WPARAM, LPARAM) {
    m_current.passedOn = true;
    return 0;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        self->Attach(hWnd);
        // Answers through the return value: TRUE lets the dialog manager set the focus.
        CurrentMessageScope current(*self, message, wParam, lParam);
        return self->OnInitDialog();
    }
    auto* self = static_cast<CDialog*>(FromHandlePermanent(hWnd));
    if (!self) return FALSE;

    const INT_PTR result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == self) {
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        self->Detach();
    }
    return result;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
        if (child && child != this && child->OnChildNotify(message, wParam, lParam, &result)) return result;
    }

    bool served = false;
    {
        CurrentMessageScope current(*this, message, wParam, lParam);
        served = OnWndMsg(message, wParam, lParam, &result) && !m_current.passedOn;
    }
    if (!served) return FALSE;

    // These few answer through the return value; all others through DWLP_MSGRESULT.
    switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
    case WM_QUERYDRAGICON: case WM_COMPAREITEM: case WM_VKEYTOITEM: case WM_CHARTOITEM:
        return result;
    default:
        ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
}

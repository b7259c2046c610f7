#include "CDialog.h"

#include "COwned.h"
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

namespace {

// How the key filter finds the dialog of the window a key went to: a
// property of the dialog's window, so no global names one dialog.
const wchar_t kDialogProperty[] = L"Quorvane.CDialog";

struct HookKind {
    using Handle = HHOOK;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle hook) { return ::UnhookWindowsHookEx(hook) != FALSE; }
};

}  // namespace

// A dialog box runs the system's own message loop, which hands every message
// to the thread's message filters first: the one place to see a key
// whichever control has the focus, while the loop stays the system's.
LRESULT CALLBACK CDialog::KeyFilter(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && msg->message == WM_KEYDOWN) {
        auto* dialog = static_cast<CDialog*>(::GetPropW(::GetAncestor(msg->hwnd, GA_ROOT), kDialogProperty));
        if (dialog && dialog->OnDialogKey(static_cast<UINT>(msg->wParam))) return TRUE;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

INT_PTR CDialog::DoModal() {
    const COwned<HookKind> filter(
        m_bTakesKeys ? ::SetWindowsHookExW(WH_MSGFILTER, &CDialog::KeyFilter, nullptr, ::GetCurrentThreadId()) : nullptr);
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), OwnerWindow(),
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

SIZE CDialog::TemplateSize() const {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(m_nIDTemplate), MAKEINTRESOURCEW(5));  // RT_DIALOG
    const auto* words = found ? static_cast<const WORD*>(::LockResource(::LoadResource(module, found))) : nullptr;
    if (!words || ::SizeofResource(module, found) < 26) return {0, 0};
    // DLGTEMPLATEEX starts with version 1 and 0xFFFF, its size at byte 22;
    // DLGTEMPLATE has its size at byte 14.
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    const WORD* size = words + (extended ? 11 : 7);
    return {static_cast<short>(size[0]), static_cast<short>(size[1])};
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
        if (self->m_bTakesKeys) ::SetPropW(hWnd, kDialogProperty, self);
        // Answers through the return value: TRUE lets the dialog manager set the focus.
        CurrentMessageScope current(*self, message, wParam, lParam);
        return self->OnInitDialog();
    }
    auto* self = static_cast<CDialog*>(FromHandlePermanent(hWnd));
    if (!self) return FALSE;

    const INT_PTR result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::RemovePropW(hWnd, kDialogProperty);
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

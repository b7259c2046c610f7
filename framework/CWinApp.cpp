#include "CWinApp.h"

#include "CWnd.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const wchar_t* pszAppName) {
    if (pszAppName) m_strAppName = pszAppName;
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

void CWinApp::InitAppName() {
    if (!m_strAppName.empty()) return;
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    m_strAppName = AppNameFromModulePath(path);
}

std::wstring AppNameFromModulePath(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

int AfxMessageBox(const wchar_t* lpszText, UINT nType, UINT /*nIDHelp*/) {
    CWnd* mainWnd = AfxGetMainWnd();
    return AfxMessageBoxOwned(mainWnd ? mainWnd->m_hWnd : nullptr, lpszText, nType);
}

int AfxMessageBoxOwned(HWND owner, const wchar_t* lpszText, UINT nType) {
    if ((nType & MB_ICONMASK) == 0) nType |= MB_ICONEXCLAMATION;
    const wchar_t* caption = g_app ? g_app->m_strAppName.c_str() : L"";
    return ::MessageBoxW(owner, lpszText, caption, nType);
}

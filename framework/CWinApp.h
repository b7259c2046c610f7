#pragma once
// The application object. The program defines exactly one, statically; the
// entry point runs its InitInstance, then its ExitInstance, whatever
// InitInstance answered: ExitInstance's result ends the process.
#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    // A null name means the executable's file name without its extension.
    explicit CWinApp(const wchar_t* pszAppName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    // Called by the entry point before InitInstance.
    void InitAppName();

    std::wstring m_strAppName;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// A modal message box owned by the main window and captioned with the
// application name; the exclamation icon unless the type names another.
int AfxMessageBox(const wchar_t* lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same, owned by a dialog other than the main window, which the focus
// returns to when the box closes.
int AfxMessageBoxOwned(HWND owner, const wchar_t* lpszText, UINT nType);

// The application name for an executable path: file name, no extension.
std::wstring AppNameFromModulePath(const std::wstring& path);

#pragma once
// A modal dialog built from a numbered dialog template.
#include "CWnd.h"

class CDialog;

// What DoDataExchange works on. Our dialogs only bind controls, once, as
// they initialise; no values travel between controls and members.
struct CDataExchange {
    CDialog* m_pDlgWnd;
};

// Binds a control object to the dialog's control with that id, once.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
public:
    // Without a parent the dialog is owned by the application's main window.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog until EndDialog; the window is destroyed on return.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // The template's size in dialog units, as its resource says; zero when
    // the resource cannot be read.
    SIZE TemplateSize() const;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();

    // Keys of the dialog's own, whichever of its controls has the focus:
    // called for each key pressed while the dialog runs, once a derived
    // class's constructor asked for them with TakeKeys. True when handled.
    virtual bool OnDialogKey(UINT) { return false; }
    void TakeKeys() { m_bTakesKeys = true; }

    // Inside a dialog procedure the default processing is the dialog
    // manager's, which runs after we answer FALSE.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP(CDialog)

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bTakesKeys = false;
};

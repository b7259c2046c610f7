#pragma once
// A modal dialog that runs a test body once it is up, then closes itself, so
// controls can be exercised inside a real dialog and its message loop.
#include <functional>

#include "ScreenPixels.h"
#include "controls/CLinkStatic.h"
#include "controls/CMacEdit.h"
#include "framework/CDialog.h"

class TestDialog final : public CDialog {
public:
    using Body = std::function<void(TestDialog&)>;
    TestDialog(UINT templateId, Body body) : CDialog(templateId), m_body(std::move(body)) {}

    // The main dialog's field and label, by its ids, in whichever template runs.
    CMacEdit m_edit;        // IDC_MAC_EDIT
    CLinkStatic m_link;     // IDC_GET_MAC_NOTIFY
    int m_linkClicks = 0;   // its STN_CLICKED

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP(TestDialog)

private:
    void OnRun();
    void OnLinkClicked() { ++m_linkClicks; }
    Body m_body;
};

// Runs a dialog modally; once it is up and painted, `inspect` looks at it,
// then the dialog is closed through its control `closeId` (BN_CLICKED).
INT_PTR RunAndInspect(CDialog& dialog, std::function<void(HWND)> inspect, int closeId = IDOK);

// Helpers for reading what a real window shows.
std::wstring WindowText(HWND hWnd);
std::wstring ItemText(HWND dialog, int id);
void PumpMessages();
void PutClipboardText(HWND owner, const std::wstring& text);
std::wstring ClipboardText(HWND owner);
void SetControlKey(bool down);

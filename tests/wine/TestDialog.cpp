#include "TestDialog.h"

#include <gtest/gtest.h>

#include "controls/ClipboardText.h"
#include "res/resource.h"

namespace {
constexpr UINT WM_RUN_TEST = WM_APP + 1;
}

const MessageMapEntry TestDialog::messageEntries[] = {
    Map::Message<&TestDialog::OnRun>(WM_RUN_TEST),
    Map::Command<&TestDialog::OnLinkClicked>(STN_CLICKED, IDC_GET_MAC_NOTIFY),
};
const MessageMap TestDialog::messageMap{&CDialog::messageMap, messageEntries};

void TestDialog::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_MAC_EDIT, m_edit);
    DDX_Control(pDX, IDC_GET_MAC_NOTIFY, m_link);
}

BOOL TestDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    ::PostMessageW(m_hWnd, WM_RUN_TEST, 0, 0);
    return TRUE;
}

void TestDialog::OnRun() {
    ::ShowWindow(m_hWnd, SW_SHOW);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    m_body(*this);
    EndDialog(IDOK);
}

namespace {

std::function<void(HWND)> g_inspect;
int g_closeId = IDOK;

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM found) {
    wchar_t className[16] = {};
    ::GetClassNameW(hWnd, className, 16);
    if (std::wstring(className) == L"#32770" && ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd)) {
        *reinterpret_cast<HWND*>(found) = hWnd;
        return FALSE;
    }
    return TRUE;
}

VOID CALLBACK InspectOpenDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;  // not shown yet: the timer comes again
    ::KillTimer(nullptr, timer);
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();  // painted pixels reach the display a moment later
    g_inspect(dialog);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(g_closeId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, g_closeId)));
}

}  // namespace

INT_PTR RunAndInspect(CDialog& dialog, std::function<void(HWND)> inspect, int closeId) {
    g_inspect = std::move(inspect);
    g_closeId = closeId;
    ::SetTimer(nullptr, 0, 200, &InspectOpenDialog);
    return dialog.DoModal();
}

void PumpMessages() {
    MSG message;
    for (int round = 0; round < 20; ++round) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::Sleep(10);
    }
}

std::wstring WindowText(HWND hWnd) {
    wchar_t text[512] = {};
    ::GetWindowTextW(hWnd, text, 512);
    return text;
}

std::wstring ItemText(HWND dialog, int id) {
    return WindowText(::GetDlgItem(dialog, id));
}

void PutClipboardText(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(WriteClipboardText(owner, text));
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    ReadClipboardText(owner, text);
    return text;
}

void SetControlKey(bool down) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    keys[VK_LCONTROL] = keys[VK_CONTROL];
    ::SetKeyboardState(keys);
}

// The dialog layer's own pieces: keys of a dialog's own through the
// system's dialog loop, the template's size read from its resource, and
// the thin control wrappers Wake and wait binds.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

#include "TestIds.h"
#include "framework/CButton.h"
#include "framework/CCheckBox.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CLiveStatic.h"
#include "framework/CProgressCtrl.h"
#include "framework/SystemLibrary.h"
#include "res/resource.h"

namespace {

// A field that notes every key that reaches it.
class KeyField final : public CEdit {
public:
    std::vector<UINT> m_keys;

protected:
    DECLARE_MESSAGE_MAP(KeyField)

private:
    void OnKeyDown(UINT virtualKey) { m_keys.push_back(virtualKey); }
};

}  // namespace

const MessageMapEntry KeyField::messageEntries[] = {
    Map::Key<&KeyField::OnKeyDown>(WM_KEYDOWN),
};
const MessageMap KeyField::messageMap{&CEdit::messageMap, messageEntries};

namespace {

// Posts keys to its field as a keyboard would, then closes; records what
// reached OnDialogKey and what reached the field.
class KeyDialog final : public CDialog {
public:
    explicit KeyDialog(bool takesKeys) : CDialog(IDD_TEST_PLAIN) {
        if (takesKeys) TakeKeys();
    }
    std::vector<UINT> m_seen;
    KeyField m_field;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_MAC_EDIT, m_field); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        const HWND field = GetDlgItem(IDC_MAC_EDIT);
        for (const UINT key : {UINT{VK_F5}, UINT{'A'}}) ::PostMessageW(field, WM_KEYDOWN, key, 1);
        ::PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }
    bool OnDialogKey(UINT virtualKey) override {
        m_seen.push_back(virtualKey);
        return virtualKey == VK_F5;
    }
};

TEST(DialogKeys, ADialogSeesItsKeysWhereverTheFocusIsAndSwallowsWhatItHandles) {
    KeyDialog taking(true);
    taking.DoModal();
    EXPECT_EQ((std::vector<UINT>{VK_F5, 'A'}), taking.m_seen);
    EXPECT_EQ((std::vector<UINT>{'A'}), taking.m_field.m_keys);  // only the key it did not handle went on

    KeyDialog plain(false);
    plain.DoModal();
    EXPECT_TRUE(plain.m_seen.empty());
    EXPECT_EQ((std::vector<UINT>{VK_F5, 'A'}), plain.m_field.m_keys);
}

TEST(DialogTemplate, SizeIsReadFromTheResource) {
    const CDialog plain(IDD_TEST_PLAIN);
    const SIZE size = plain.TemplateSize();
    EXPECT_EQ(179, size.cx);
    EXPECT_EQ(131, size.cy);
    EXPECT_EQ(0, CDialog(12345).TemplateSize().cx);  // no such template
}

class ControlsDialog final : public CDialog {
public:
    ControlsDialog() : CDialog(IDD_TEST_CONTROLS) {}
    CCheckBox m_check;
    CProgressCtrl m_progress;
    CButton m_button;
    bool m_checked = false, m_cleared = true;
    LRESULT m_position = 0, m_upper = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_TEST_CHECK, m_check);
        DDX_Control(pDX, IDC_TEST_PROGRESS, m_progress);
        DDX_Control(pDX, IDC_TEST_BUTTON, m_button);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_check.SetChecked(true);
        m_checked = m_check.IsChecked();
        m_check.SetChecked(false);
        m_cleared = !m_check.IsChecked();
        m_progress.SetRange(0, 180);
        m_progress.SetPos(42);
        m_position = m_progress.SendMessage(PBM_GETPOS);
        m_upper = m_progress.SendMessage(PBM_GETRANGE, FALSE);
        m_button.SetWindowText(L"Stop");
        ::PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }
};

TEST(ControlWrappers, CheckBoxAndProgressBarSayWhatTheyHold) {
    InitCommonControlClasses(ICC_PROGRESS_CLASS);
    ControlsDialog d;
    d.DoModal();
    EXPECT_TRUE(d.m_checked);
    EXPECT_TRUE(d.m_cleared);
    EXPECT_EQ(42, d.m_position);
    EXPECT_EQ(180, d.m_upper);
}

// Notes what a screen reader would be told.
class FakeAccessibility final : public Accessibility {
public:
    explicit FakeAccessibility(bool hasLiveRegions) : m_bHas(hasLiveRegions) {}
    bool MarkLiveRegion(HWND) override {
        ++m_marked;
        return m_bHas;
    }
    void RaiseLiveRegionChanged(HWND) override { ++m_raised; }
    bool SetName(HWND, const std::wstring&) override { return false; }
    int m_marked = 0, m_raised = 0;

private:
    bool m_bHas;
};

// A status line on the test dialog's label: `body` runs once it is up.
class LiveDialog final : public CDialog {
public:
    LiveDialog(Accessibility& a, void (*body)(LiveDialog&)) : CDialog(IDD_TEST_PLAIN), m_status(a), m_body(body) {}
    CLiveStatic m_status;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_GET_MAC_NOTIFY, m_status); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_body(*this);
        ::PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }

private:
    void (*m_body)(LiveDialog&);
};

void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        MSG msg{};
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_COMMAND) continue;  // the close comes after the body
            ::DispatchMessageW(&msg);
        }
        ::Sleep(10);
    }
}

FakeAccessibility* g_live = nullptr;

TEST(LiveStatic, ChangesAreRaisedOnceASecondAndNothingWhenTheTextStays) {
    FakeAccessibility windows8(true);
    g_live = &windows8;
    LiveDialog d(windows8, [](LiveDialog& dlg) {
        EXPECT_EQ(1, g_live->m_marked);  // marked as it was bound
        dlg.m_status.SetText(L"Waiting: 1 s");
        EXPECT_EQ(1, g_live->m_raised);
        dlg.m_status.SetText(L"Waiting: 1 s");
        EXPECT_EQ(1, g_live->m_raised) << "no change, nothing raised";
        dlg.m_status.SetText(L"Waiting: 2 s");
        dlg.m_status.SetText(L"Waiting: 3 s");
        EXPECT_EQ(1, g_live->m_raised) << "a second has not passed";
        PumpFor(1500);
        EXPECT_EQ(2, g_live->m_raised) << "the last change, once the second is over";
        EXPECT_EQ(L"Waiting: 3 s", dlg.m_status.GetWindowText());
    });
    d.DoModal();

    FakeAccessibility windows7(false);
    g_live = &windows7;
    LiveDialog old(windows7, [](LiveDialog& dlg) {
        dlg.m_status.SetText(L"Waiting: 1 s");
        PumpFor(1200);
        EXPECT_EQ(0, g_live->m_raised);  // no live regions: a reader says the text when it comes to it
    });
    old.DoModal();
}

}  // namespace

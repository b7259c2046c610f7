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

}  // namespace

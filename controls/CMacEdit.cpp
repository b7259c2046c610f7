#include "CMacEdit.h"

#include "core/HexDigits.h"

#include "ClipboardText.h"

const MessageMapEntry CMacEdit::messageEntries[] = {
    Map::Char<&CMacEdit::OnChar>(),
    Map::Key<&CMacEdit::OnKeyDown>(WM_KEYDOWN),
    Map::Key<&CMacEdit::OnKeyUp>(WM_KEYUP),
    Map::CtlColor<&CMacEdit::OnCtlColor>(WM_CTLCOLOREDIT),
    Map::CtlColor<&CMacEdit::OnCtlColor>(WM_CTLCOLORSTATIC),
};
const MessageMap CMacEdit::messageMap{&CWnd::messageMap, messageEntries};

CMacEdit::CMacEdit() : m_crBack(::GetSysColor(COLOR_BTNFACE)) {
    const MaskRules rules = MacMaskRules();
    m_strMask = rules.mask;
    m_validChars = rules.validChars;
    m_brBack.CreateSolidBrush(m_crBack);
}

std::wstring CMacEdit::GetMacText() const {
    std::wstring text = GetWindowText();
    std::wstring digits;
    for (wchar_t c : text) {
        if (c != L'-') digits += c;
    }
    return digits;
}

void CMacEdit::SetForeColor(COLORREF color) {
    m_crText = color;
    Redraw();
}

void CMacEdit::SetBackColor(COLORREF color) {
    m_crBack = color;
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(color);
    Redraw();
}

void CMacEdit::SetReadOnly(BOOL bReadOnly) {
    SetBackColor(bReadOnly == 1 ? m_crBack : RGB(255, 255, 255));
    CEdit::SetReadOnly(bReadOnly);
}

bool CMacEdit::IsValidChar(wchar_t c) const {
    return Rules().IsValidChar(c);
}

LRESULT CMacEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Every paste, from Ctrl+V, the context menu or another program, goes
    // through the mask.
    if (message == WM_PASTE) {
        PasteFromClipboard();
        return 0;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

MaskedField CMacEdit::ReadField() const {
    MaskedField field;
    field.text = GetWindowText();
    int start = 0, end = 0;
    GetSel(start, end);
    field.selStart = start;
    field.selEnd = end;
    return field;
}

void CMacEdit::Apply(const MaskOutcome& outcome) {
    switch (outcome.action) {
    case MaskAction::Ignore:
        break;
    case MaskAction::Commit:
        SetWindowText(outcome.field.text);
        SetSel(static_cast<int>(outcome.field.selStart), static_cast<int>(outcome.field.selEnd));
        SendMessage(EM_SCROLLCARET);
        break;
    case MaskAction::PassOn:
        Default();
        break;
    case MaskAction::SendCut:
        Cut();
        break;
    case MaskAction::SendCopy:
        Copy();
        break;
    case MaskAction::SendPaste:
        Paste();
        break;
    }
}

// Every typed digit goes through the field's own filter.
void CMacEdit::OnChar(wchar_t c) {
    Apply(MaskOnChar(Rules(), ReadField(), IsReadOnly(), c, IsValidChar(AsciiUpper(c))));
}

void CMacEdit::OnKeyDown(UINT virtualKey) {
    // The flag follows the key's own state, not only the Control key
    // messages this control saw: one released in another window must not
    // turn a typed C into a copy.
    m_bCtrlDown = (::GetKeyState(VK_CONTROL) & 0x8000) != 0 ? TRUE : FALSE;
    Apply(MaskOnKeyDown(ReadField(), m_bCtrlDown == TRUE, virtualKey));
}

void CMacEdit::OnKeyUp(UINT virtualKey) {
    if (virtualKey == VK_CONTROL) m_bCtrlDown = FALSE;
    Default();
}

void CMacEdit::PasteFromClipboard() {
    std::wstring clip;
    if (!ReadClipboardText(m_hWnd, clip)) return;
    Apply(MaskOnPaste(Rules(), ReadField(), IsReadOnly(), clip));
}

HBRUSH CMacEdit::OnCtlColor(HDC hdc) {
    ::SetBkColor(hdc, m_crBack);
    ::SetTextColor(hdc, m_crText);
    return m_brBack;
}

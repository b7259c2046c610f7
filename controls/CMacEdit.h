#pragma once
// The masked entry field for a MAC address: keeps "##-##-##-##-##-##" while
// the user types and pastes, and paints in colours of its own.
#include <string>
#include <vector>

#include "MacMask.h"
#include "framework/CEdit.h"
#include "framework/CGdiObject.h"

class CMacEdit final : public CEdit {
public:
    CMacEdit();
    ~CMacEdit() override = default;

    // The text without its "-" separators: 12 digits when complete.
    std::wstring GetMacText() const;
    void SetForeColor(COLORREF color);
    void SetBackColor(COLORREF color);
    // Exactly 1 keeps the current background; anything else makes it white.
    void SetReadOnly(BOOL bReadOnly);
    bool IsValidChar(wchar_t c) const;
    void PasteFromClipboard();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP(CMacEdit)

private:
    void OnChar(wchar_t c);
    void OnKeyDown(UINT virtualKey);
    void OnKeyUp(UINT virtualKey);
    HBRUSH OnCtlColor(HDC hdc);

    MaskRules Rules() const { return {m_strMask, m_validChars}; }
    MaskedField ReadField() const;
    bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
    void Apply(const MaskOutcome& outcome);
    void Redraw() { RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

    // The brush is the one handle among these, and its owner deletes it:
    // no member depends on another's order of destruction.
    std::wstring m_strMask;
    BOOL m_bCtrlDown = FALSE;
    COLORREF m_crBack;
    COLORREF m_crText = RGB(0, 0, 0);
    CBrush m_brBack;
    std::vector<unsigned> m_validChars;
};

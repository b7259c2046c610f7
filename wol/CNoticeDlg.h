#pragma once
// The notices after "Power ON": a dialog with a system icon in its top left
// corner, its texts from the language file, and one button that closes it.
#include "framework/CDialog.h"

class CNoticeDlg : public CDialog {
public:
    CNoticeDlg(UINT nIDTemplate, CWnd* pParentWnd);
    // A system icon id (IDI_*); the information icon until set.
    void SetNoticeIcon(int iconId) { m_nIconId = iconId; }

protected:
    // The common caption, then each (control, key) text, in order.
    struct TextItem {
        int controlId;
        const wchar_t* key;
    };
    void SetTexts(const TextItem* items, size_t count);
    template <size_t N>
    void SetTexts(const TextItem (&items)[N]) { SetTexts(items, N); }

    DECLARE_MESSAGE_MAP(CNoticeDlg)

private:
    void OnPaint();

    int m_nIconId;
};

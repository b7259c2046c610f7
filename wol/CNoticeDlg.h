#pragma once
// The notices after "Power ON": a dialog with a system icon in its top left
// corner, its texts from the language file, and one button that closes it.
#include "framework/CDialog.h"

// The system icons a notice shows, by their numeric ids (IDI_* as numbers).
constexpr int kNoticeIconError = 32513;        // IDI_HAND
constexpr int kNoticeIconWarning = 32515;      // IDI_EXCLAMATION
constexpr int kNoticeIconInformation = 32516;  // IDI_ASTERISK

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

#pragma once
// The notices after "Power ON": a dialog with a system icon in its top left
// corner, its texts from the language file, and one button that closes it.
#include "framework/CDialog.h"
#include "text/ControlTexts.h"

// The system icons a notice shows, by their numeric ids (IDI_* as numbers).
constexpr int kNoticeIconError = 32513;        // IDI_HAND
constexpr int kNoticeIconWarning = 32515;      // IDI_EXCLAMATION
constexpr int kNoticeIconInformation = 32516;  // IDI_ASTERISK

// What tells one notice from another: its template, its icon and the
// language key of each of its texts; the common caption goes above every one.
using NoticeText = ControlText;
struct NoticeKind {
    UINT templateId;
    int iconId;
    const NoticeText* texts;
    size_t count;
};

class CNoticeDlg : public CDialog {
public:
    CNoticeDlg(const NoticeKind& kind, CWnd* pParentWnd);
    // A system icon id (IDI_*) in place of the notice's own.
    void SetNoticeIcon(int iconId) { m_nIconId = iconId; }

protected:
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP(CNoticeDlg)

private:
    void OnPaint();

    const NoticeKind& m_kind;
    int m_nIconId;
};

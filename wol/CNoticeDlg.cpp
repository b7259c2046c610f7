#include "CNoticeDlg.h"

#include "text/LangTexts.h"
#include "framework/CPaintDC.h"
#include "res/resource.h"

const MessageMapEntry CNoticeDlg::messageEntries[] = {
    Map::Message<&CNoticeDlg::OnPaint>(WM_PAINT),
    Map::Command<&CNoticeDlg::OnOK>(BN_CLICKED, IDC_NOTICE_OK),
};
const MessageMap CNoticeDlg::messageMap{&CDialog::messageMap, messageEntries};

CNoticeDlg::CNoticeDlg(const NoticeKind& kind, CWnd* pParentWnd)
    : CDialog(kind.templateId, pParentWnd), m_kind(kind), m_nIconId(kNoticeIconInformation) {}

BOOL CNoticeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(LocalizedCaption());
    for (size_t i = 0; i < m_kind.count; ++i) SetDlgItemText(m_kind.texts[i].controlId, LocalizedText(m_kind.texts[i].key));
    return TRUE;
}

void CNoticeDlg::OnPaint() {
    CPaintDC dc(m_hWnd);
    // A system icon is shared: drawn, never destroyed.
    ::DrawIcon(dc, 15, 10, ::LoadIconW(nullptr, MAKEINTRESOURCEW(m_nIconId)));
}

#include "CNoticeDlg.h"

#include "framework/CPaintDC.h"
#include "res/resource.h"

const MessageMapEntry CNoticeDlg::messageEntries[] = {
    Map::Message<&CNoticeDlg::OnPaint>(WM_PAINT),
    Map::Command<&CNoticeDlg::OnOK>(BN_CLICKED, IDC_NOTICE_OK),
};
const MessageMap CNoticeDlg::messageMap{&CDialog::messageMap, messageEntries};

CNoticeDlg::CNoticeDlg(const NoticeKind& kind, CWnd* pParentWnd)
    : CDialog(kind.templateId, pParentWnd), m_kind(kind), m_nIconId(kind.iconId) {}

BOOL CNoticeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetControlTexts(*this, m_kind.texts, m_kind.count);
    return TRUE;
}

void CNoticeDlg::OnPaint() {
    CPaintDC dc(m_hWnd);
    // A system icon is shared: drawn, never destroyed.
    ::DrawIcon(dc, 15, 10, ::LoadIconW(nullptr, MAKEINTRESOURCEW(m_nIconId)));
}

#include "CNoticeDlg.h"

#include "text/LangTexts.h"
#include "framework/CPaintDC.h"
#include "res/resource.h"

const MessageMapEntry CNoticeDlg::messageEntries[] = {
    Map::Message<&CNoticeDlg::OnPaint>(WM_PAINT),
    Map::Command<&CNoticeDlg::OnOK>(BN_CLICKED, IDC_NOTICE_OK),
};
const MessageMap CNoticeDlg::messageMap{&CDialog::messageMap, messageEntries};

CNoticeDlg::CNoticeDlg(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_nIconId(kNoticeIconInformation) {}

void CNoticeDlg::SetTexts(const TextItem* items, size_t count) {
    SetWindowText(LocalizedCaption());
    for (size_t i = 0; i < count; ++i) SetDlgItemText(items[i].controlId, LocalizedText(items[i].key));
}

void CNoticeDlg::OnPaint() {
    CPaintDC dc(m_hWnd);
    // A system icon is shared: drawn, never destroyed.
    ::DrawIcon(dc, 15, 10, ::LoadIconW(nullptr, MAKEINTRESOURCEW(m_nIconId)));
}

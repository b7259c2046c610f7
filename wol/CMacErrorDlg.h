#pragma once
#include "CNoticeDlg.h"

// The typed address is not complete.
class CMacErrorDlg final : public CNoticeDlg {
public:
    explicit CMacErrorDlg(CWnd* pParentWnd = nullptr);
};

#pragma once
#include "CNoticeDlg.h"

// The request went out: the target should now power on.
class CSentNoticeDlg final : public CNoticeDlg {
public:
    explicit CSentNoticeDlg(CWnd* pParentWnd = nullptr);
};

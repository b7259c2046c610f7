#pragma once
#include "CNoticeDlg.h"

// Sending the packet failed.
class CSendErrorDlg final : public CNoticeDlg {
public:
    explicit CSendErrorDlg(CWnd* pParentWnd = nullptr);
};

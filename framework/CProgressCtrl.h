#pragma once
#include <commctrl.h>

#include "CWnd.h"

// A progress bar.
class CProgressCtrl : public CWnd {
public:
    void SetRange(int lower, int upper) { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    void SetPos(int position) { SendMessage(PBM_SETPOS, static_cast<WPARAM>(position)); }
};

#pragma once
#include <commctrl.h>

#include "CWnd.h"

// The range is set with PBM_SETRANGE32, which takes its two ends apart
// rather than packed into 16-bit halves of one parameter.
class CProgressCtrl : public CWnd {
public:
    void SetRange(int lower, int upper) { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    void SetPos(int position) { SendMessage(PBM_SETPOS, static_cast<WPARAM>(position)); }
};

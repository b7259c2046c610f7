#pragma once
#include "CWnd.h"

// A push button. It adds nothing to CWnd yet: the dialogs only set its text
// and enable it; a check box builds on it.
class CButton : public CWnd {};

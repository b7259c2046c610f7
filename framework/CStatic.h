#pragma once
#include "CWnd.h"

// Apart from CWnd so that a dialog's members say which control they hold;
// the status line that screen readers follow builds on it.
class CStatic : public CWnd {};

#pragma once
#include "CWnd.h"

// A push button: its text says what it does next.
class CButton : public CWnd {};

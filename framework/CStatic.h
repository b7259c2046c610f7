#pragma once
#include "CWnd.h"

// A static control.
class CStatic : public CWnd {};

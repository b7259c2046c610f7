#include "FindPcs.h"

// Until the scan's window exists, the button opens nothing.
void ShowFindPcs(HWND, SavedPcBook&) {}

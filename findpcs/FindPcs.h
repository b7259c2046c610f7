#pragma once
// Opens the scan's window (modal, owned by `owner`) and returns when it closes.
#include <windows.h>

#include "SavedPcBook.h"

void ShowFindPcs(HWND owner, SavedPcBook& book);

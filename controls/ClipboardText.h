#pragma once
#include <windows.h>

#include <string>

// The Unicode text on the clipboard. False when the clipboard cannot be
// opened or holds no Unicode text; the clipboard is closed on every path.
bool ReadClipboardText(HWND owner, std::wstring& text);

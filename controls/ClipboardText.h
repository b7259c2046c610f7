#pragma once
#include <windows.h>

#include <string>

// The Unicode text on the clipboard. False when the clipboard cannot be
// opened or holds no Unicode text; the clipboard is closed on every path.
bool ReadClipboardText(HWND owner, std::wstring& text);

// Puts `text` on the clipboard as Unicode text, for `owner`: without an
// owner window SetClipboardData fails once the clipboard is emptied. False
// when the clipboard cannot be opened or take it.
bool WriteClipboardText(HWND owner, const std::wstring& text);

#pragma once
// A text without what pads it, where the caller says what pads it: a typed
// address is padded by spaces, a device name from the event log by any
// white space. Platform-free.
#include <string>

// The text without the characters of `padding` at either end.
std::wstring Trimmed(const std::wstring& text, const wchar_t* padding);

#pragma once
#include <string>

// The language file writes a line break as the two characters backslash, n.
// Each becomes one line feed, scanning left to right without rescanning what
// was replaced.
std::wstring ExpandLineBreaks(const std::wstring& text);

#pragma once
// Conversions between UTF-16 and the system's ANSI code page, the encoding of
// every 8-bit text the socket layer and IP Helper take and give.
#include <string>

std::wstring FromAnsi(const char* text);
std::string ToAnsi(const std::wstring& text);

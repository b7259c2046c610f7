#include "AnsiText.h"

#include <windows.h>

#include <vector>

std::wstring FromAnsi(const char* text) {
    if (!text || !*text) return std::wstring();
    const int units = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (units <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(units));
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, buffer.data(), units);
    return std::wstring(buffer.data());
}

std::string ToAnsi(const std::wstring& text) {
    // Room for two bytes a character covers every double-byte code page.
    std::vector<char> buffer(text.size() * 2 + 2, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, buffer.data(), static_cast<int>(buffer.size()), nullptr,
                          nullptr);
    return std::string(buffer.data());
}

#include "SendResult.h"

#include <windows.h>

#include "text/TextArgs.h"

std::wstring SendResult::FailureText() const {
    wchar_t text[256] = {};
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                          static_cast<DWORD>(m_code), 0, text, 256, nullptr);
    std::wstring message(text, length < 256 ? length : 0);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    const std::wstring number = DecimalText(static_cast<unsigned long>(m_code));
    return message.empty() ? number : number + L" " + message;
}

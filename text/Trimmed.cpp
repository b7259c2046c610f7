#include "Trimmed.h"

std::wstring Trimmed(const std::wstring& text, const wchar_t* padding) {
    const std::size_t first = text.find_first_not_of(padding);
    if (first == std::wstring::npos) return std::wstring();
    return text.substr(first, text.find_last_not_of(padding) - first + 1);
}

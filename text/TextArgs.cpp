#include "TextArgs.h"

std::wstring FillArgs(const std::wstring& pattern, std::initializer_list<std::wstring> args) {
    return FillArgs(pattern, std::vector<std::wstring>(args));
}

std::wstring FillArgs(const std::wstring& pattern, const std::vector<std::wstring>& args) {
    std::wstring text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
        const std::size_t n = next >= L'1' && next <= L'9' ? static_cast<std::size_t>(next - L'1') : args.size();
        if (pattern[i] == L'%' && n < args.size()) {
            text += args[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::wstring DecimalText(unsigned long value, unsigned width) {
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + value % 10));
        value /= 10;
    } while (value != 0 || digits.size() < width);
    return digits;
}

bool ParseDecimal(const std::wstring& text, std::size_t maxDigits, unsigned long low, unsigned long high,
                  unsigned long& value) {
    if (text.empty() || text.size() > maxDigits) return false;
    unsigned long number = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        number = number * 10 + static_cast<unsigned long>(c - L'0');
    }
    if (number < low || number > high) return false;
    value = number;
    return true;
}

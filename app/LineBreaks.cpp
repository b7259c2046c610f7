#include "LineBreaks.h"

std::wstring ExpandLineBreaks(const std::wstring& text) {
    std::wstring result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\\' && i + 1 < text.size() && text[i + 1] == L'n') {
            result += L'\n';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

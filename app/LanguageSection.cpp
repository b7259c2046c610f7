#include "LanguageSection.h"

std::wstring LanguageSectionFor(const std::wstring& languageName) {
    const wchar_t* language = L"ENGLISH";
    if (languageName == L"JAPANESE") language = L"JAPANESE";
    else if (languageName == L"KOREAN") language = L"KOREAN";
    return std::wstring(language) + L".BRVT";
}

#pragma once
// The section of the language file that a language name selects.
#include <string>

// "JAPANESE.BRVT", "KOREAN.BRVT", or "ENGLISH.BRVT" for every other name.
std::wstring LanguageSectionFor(const std::wstring& languageName);

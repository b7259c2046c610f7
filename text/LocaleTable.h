#pragma once
// Names of Windows language identifiers. Platform-free.
#include <cstdint>
#include <string>

// The name for a language identifier (the low 16 bits of a locale id),
// matched on all 16 bits; "ENGLISH_US" for every identifier not known.
const wchar_t* LanguageNameForLangId(std::uint16_t langId);

// The debug line for a locale id: its primary language number, as "0x%x".
std::wstring PrimaryLanguageLine(std::uint32_t lcid);

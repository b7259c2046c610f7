#pragma once
// Puts the language file where the application object looks for it.
#include <windows.h>

#include <string>

#include "app/CWakeApp.h"

inline std::wstring TempPath(const wchar_t* name) {
    wchar_t dir[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

// Where the tests extract the language file.
inline std::wstring TestLangFile() {
    return TempPath(L"quorvane-test.lng");
}

// Extracts the embedded language file and selects a section, as start-up does.
inline void UseLanguage(const wchar_t* section) {
    const std::wstring path = TestLangFile();
    theApp.ExtractLangFile(path);
    theApp.UseLangFile(path, section);
}

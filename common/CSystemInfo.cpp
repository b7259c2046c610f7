#include "CSystemInfo.h"

#include <windows.h>

#include <cwchar>

#include "WinsockResolver.h"
#include "LocaleTable.h"

void CSystemInfo::GetLanguageName(wchar_t* name) {
    const LCID lcid = ::GetThreadLocale();
    ::OutputDebugStringW(PrimaryLanguageLine(lcid).c_str());
    std::wcscpy(name, LanguageNameForLangId(LANGIDFROMLCID(lcid)));
}

void CSystemInfo::GetLocalAddress(std::wstring& text) {
    WinsockResolver resolver;
    QueryLocalAddress(resolver, text);
}

bool CSystemInfo::GetHostIPv4Address(std::wstring& text) {
    WinsockResolver resolver;
    return QueryHostIPv4Address(resolver, text);
}

bool CSystemInfo::GetHostIPv6Address(std::wstring& text) {
    WinsockResolver resolver;
    return QueryHostIPv6Address(resolver, text);
}

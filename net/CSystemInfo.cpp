#include "CSystemInfo.h"

#include <windows.h>

#include <cwchar>

#include "WinsockResolver.h"
#include "WinsockStartup.h"
#include "text/LocaleTable.h"

void CSystemInfo::GetLanguageName(wchar_t* name) {
    const LCID lcid = ::GetThreadLocale();
    ::OutputDebugStringW(PrimaryLanguageLine(lcid).c_str());
    std::wcscpy(name, LanguageNameForLangId(LANGIDFROMLCID(lcid)));
}

void CSystemInfo::GetLocalAddress(std::wstring& text) {
    QueryLocalAddress(*this, text);
}

bool CSystemInfo::GetHostIPv4Address(std::wstring& text) {
    WinsockStartup winsock;
    WinsockResolver resolver;
    return QueryHostIPv4Address(winsock, resolver, text);
}

bool CSystemInfo::GetHostIPv6Address(std::wstring& text) {
    WinsockStartup winsock;
    WinsockResolver resolver;
    return QueryHostIPv6Address(winsock, resolver, text);
}

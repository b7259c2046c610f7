#include "LocalizedTexts.h"

#include "CWakeApp.h"

std::wstring LocalizedText(const wchar_t* key) {
    return theApp.GetLangText(key);
}

std::wstring LocalizedCaption() {
    return theApp.GetLangText(L"PRODUCT_NAME") + L" - " + theApp.GetLangText(L"PRODUCT_TITLE");
}

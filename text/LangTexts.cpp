#include "LangTexts.h"

namespace {
const LangTextSource* g_source = nullptr;
}

void UseLangTextSource(const LangTextSource* source) {
    g_source = source;
}

std::wstring LocalizedText(const wchar_t* key) {
    return g_source ? g_source->GetLangText(key) : std::wstring(key);
}

std::wstring LocalizedCaption() {
    return LocalizedText(L"PRODUCT_NAME") + L" - " + LocalizedText(L"PRODUCT_TITLE");
}

#pragma once
#include <string>

// The text of a language key in the language chosen at start-up.
std::wstring LocalizedText(const wchar_t* key);

// The caption every localised dialog carries: "PRODUCT_NAME - PRODUCT_TITLE"
// in the chosen language.
std::wstring LocalizedCaption();

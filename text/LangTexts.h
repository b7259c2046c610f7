#pragma once
// Where dialogs read their texts. The application object, at the top, answers
// the lookups; the dialogs below it see only this interface.
#include <string>

class LangTextSource {
public:
    // The text of a key in the chosen language; the key itself when missing.
    virtual std::wstring GetLangText(std::wstring key) const = 0;

protected:
    ~LangTextSource() = default;
};

// Made once, when the application object is constructed. Until then (and in
// a program without one) every key reads as itself.
void UseLangTextSource(const LangTextSource* source);

// The text of a language key in the language chosen at start-up.
std::wstring LocalizedText(const wchar_t* key);

// The caption every localised dialog carries: "PRODUCT_NAME - PRODUCT_TITLE"
// in the chosen language.
std::wstring LocalizedCaption();

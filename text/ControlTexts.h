#pragma once
// A dialog's fixed texts as a table: the common caption, then each control's
// text from the language file.
#include <cstddef>

#include "framework/CWnd.h"

struct ControlText {
    int controlId;
    const wchar_t* key;
};

void SetControlTexts(CWnd& dialog, const ControlText* texts, std::size_t count);

template <std::size_t N>
void SetControlTexts(CWnd& dialog, const ControlText (&texts)[N]) {
    SetControlTexts(dialog, texts, N);
}

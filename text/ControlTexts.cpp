#include "ControlTexts.h"

#include "LangTexts.h"

void SetControlTexts(CWnd& dialog, const ControlText* texts, std::size_t count) {
    dialog.SetWindowText(LocalizedCaption());
    for (std::size_t i = 0; i < count; ++i) dialog.SetDlgItemText(texts[i].controlId, LocalizedText(texts[i].key));
}

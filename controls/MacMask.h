#pragma once
// The editing rules of the masked MAC address field, as plain functions from
// the field's state and one input event to what the control must do.
// Platform-free: the window class only reads the state and applies the answer.
#include <string>
#include <vector>

// The field as the edit window holds it: text, and the selection as
// EM_GETSEL gives it (selEnd is one past the last selected position).
struct MaskedField {
    std::wstring text;
    long selStart = 0;
    long selEnd = 0;
};

struct MaskRules {
    std::wstring mask;                // '#' marks a digit, anything else is a literal
    std::vector<unsigned> validChars; // accepted at a digit position (low 16 bits)

    bool IsValidChar(wchar_t c) const;
};

enum class MaskAction {
    Ignore,     // nothing changes, nothing is passed on
    Commit,     // set the whole text, then the selection, then scroll the caret into view
    PassOn,     // the standard edit behaviour handles the event
    SendCut,    // send WM_CUT / WM_COPY / WM_PASTE to the control itself
    SendCopy,
    SendPaste,
};

struct MaskOutcome {
    MaskAction action = MaskAction::Ignore;
    MaskedField field;  // the field to commit, for MaskAction::Commit
};

// The rules of the MAC address field: "##-##-##-##-##-##", digits 0-9 and A-F.
MaskRules MacMaskRules();

// A typed character (WM_CHAR), Backspace (0x08) included. `validDigit`:
// whether the field's own filter takes the character, upper-cased, as a
// digit.
MaskOutcome MaskOnChar(const MaskRules& rules, const MaskedField& field, bool readOnly, wchar_t c, bool validDigit);
// The same, with the rules' valid characters as the filter.
MaskOutcome MaskOnChar(const MaskRules& rules, const MaskedField& field, bool readOnly, wchar_t c);

// A key going down (WM_KEYDOWN). `ctrlDown` is the Control key's state when
// the key was pressed.
MaskOutcome MaskOnKeyDown(const MaskedField& field, bool ctrlDown, unsigned virtualKey);

// A paste of clipboard text, laid position by position onto the mask from
// the caret. A read-only field does not change.
MaskOutcome MaskOnPaste(const MaskRules& rules, const MaskedField& field, bool readOnly, const std::wstring& clip);

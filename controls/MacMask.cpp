#include "MacMask.h"

#include "core/HexDigits.h"

namespace {

constexpr wchar_t kBackspace = 0x08;
constexpr unsigned kVkDelete = 0x2E;

bool IsDigitPosition(const std::wstring& mask, long i) {
    return i >= 0 && i < static_cast<long>(mask.size()) && mask[static_cast<size_t>(i)] == L'#';
}

// Replaces the character at i, or appends when i is the end of the text.
void WriteAt(std::wstring& text, long i, wchar_t c) {
    if (i < static_cast<long>(text.size())) text[static_cast<size_t>(i)] = c;
    else text += c;
}

MaskOutcome CommitWithCaret(std::wstring text, long caret) {
    return {MaskAction::Commit, {std::move(text), caret, caret}};
}

MaskOutcome Backspace(const MaskRules& rules, const MaskedField& field) {
    std::wstring text = field.text;
    long s = field.selStart;
    const long e = field.selEnd;
    if (s == e && s > 0) --s;
    if (e == static_cast<long>(text.size())) {
        // At the end, characters go, a separator as much as a digit.
        text.erase(static_cast<size_t>(s), static_cast<size_t>(e - s));
    } else {
        // Inside, digits become '0' and separators stay, keeping the layout.
        for (long i = s; i < e; ++i) {
            if (IsDigitPosition(rules.mask, i)) text[static_cast<size_t>(i)] = L'0';
        }
    }
    return CommitWithCaret(std::move(text), s);
}

MaskOutcome TypeDigit(const MaskRules& rules, const MaskedField& field, wchar_t c) {
    const long maskLength = static_cast<long>(rules.mask.size());
    std::wstring text = field.text;
    long s = field.selStart;
    if (s >= maskLength) return {};
    if (!IsDigitPosition(rules.mask, s)) {
        WriteAt(text, s, rules.mask[static_cast<size_t>(s)]);
        ++s;
    }
    if (IsDigitPosition(rules.mask, s)) {
        WriteAt(text, s, c);
        ++s;
    }
    return CommitWithCaret(std::move(text), s);
}

MaskOutcome TypeLiteral(const MaskRules& rules, const MaskedField& field, wchar_t c) {
    const long s = field.selStart;
    if (s >= static_cast<long>(rules.mask.size()) || IsDigitPosition(rules.mask, s) ||
        rules.mask[static_cast<size_t>(s)] != c)
        return {};
    std::wstring text = field.text;
    WriteAt(text, s, c);
    return CommitWithCaret(std::move(text), s + 1);
}

// What a paste puts at position i, given the clipboard character there.
wchar_t PastedChar(const MaskRules& rules, long i, wchar_t clipChar) {
    if (!IsDigitPosition(rules.mask, i)) return rules.mask[static_cast<size_t>(i)];
    const wchar_t c = AsciiUpper(clipChar);
    return rules.IsValidChar(c) ? c : L'0';
}

}  // namespace

bool MaskRules::IsValidChar(wchar_t c) const {
    for (unsigned valid : validChars) {
        if ((valid & 0xFFFF) == static_cast<unsigned>(c)) return true;
    }
    return false;
}

MaskRules MacMaskRules() {
    MaskRules rules{L"##-##-##-##-##-##", {}};
    for (const char c : kHexDigits)
        if (c != '\0') rules.validChars.push_back(static_cast<unsigned>(c));
    return rules;
}

MaskOutcome MaskOnChar(const MaskRules& rules, const MaskedField& field, bool readOnly, wchar_t c, bool validDigit) {
    c = AsciiUpper(c);
    if (readOnly) return {MaskAction::PassOn, {}};
    if (c == kBackspace) return Backspace(rules, field);
    if (validDigit) return TypeDigit(rules, field, c);
    return TypeLiteral(rules, field, c);
}

MaskOutcome MaskOnChar(const MaskRules& rules, const MaskedField& field, bool readOnly, wchar_t c) {
    return MaskOnChar(rules, field, readOnly, c, rules.IsValidChar(AsciiUpper(c)));
}

MaskOutcome MaskOnKeyDown(const MaskedField& field, bool ctrlDown, unsigned virtualKey) {
    if (ctrlDown && virtualKey == 'X') return {MaskAction::SendCut, {}};
    if (ctrlDown && virtualKey == 'C') return {MaskAction::SendCopy, {}};
    if (ctrlDown && virtualKey == 'V') return {MaskAction::SendPaste, {}};
    if (virtualKey == kVkDelete) {
        // Delete may only clear the whole field; inside the address it would
        // shift every following digit out of place.
        const bool wholeText = field.selStart == 0 && field.selEnd == static_cast<long>(field.text.size());
        return {wholeText ? MaskAction::PassOn : MaskAction::Ignore, {}};
    }
    return {MaskAction::PassOn, {}};
}

MaskOutcome MaskOnPaste(const MaskRules& rules, const MaskedField& field, bool readOnly, const std::wstring& clip) {
    if (readOnly) return {};
    std::wstring text = field.text;
    const long s = field.selStart;
    long e = field.selEnd;
    const long clipLength = static_cast<long>(clip.size());
    const long maskLength = static_cast<long>(rules.mask.size());

    if (s == e) {
        // A bare caret pastes into the room the text has left, counted from it.
        const long limit = s + maskLength - static_cast<long>(text.size());
        for (long i = s; i < limit && i - s < clipLength; ++i)
            WriteAt(text, i, PastedChar(rules, i, clip[static_cast<size_t>(i - s)]));
        e = limit - 1;
    } else {
        for (long i = s; i < e && i < maskLength && i - s < clipLength; ++i)
            text[static_cast<size_t>(i)] = PastedChar(rules, i, clip[static_cast<size_t>(i - s)]);
    }
    return {MaskAction::Commit, {std::move(text), s, e + 1 < s ? s : e + 1}};
}

// The masked-entry rules under any sequence of keys, pastes and selections,
// applied the way the edit window applies them.
#include "FuzzInput.h"
#include "controls/MacMask.h"

namespace {

const MaskRules kRules = MacMaskRules();
constexpr unsigned kVkDelete = 0x2E;

bool FitsMask(const std::wstring& text) {
    if (text.size() > kRules.mask.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool ok = kRules.mask[i] == L'#' ? kRules.IsValidChar(text[i]) : text[i] == kRules.mask[i];
        if (!ok) return false;
    }
    return true;
}

// EM_SETSEL: both ends clamped to the text, the smaller one first.
void Select(MaskedField& field, long s, long e) {
    const long size = static_cast<long>(field.text.size());
    s = s < 0 ? 0 : (s > size ? size : s);
    e = e < 0 ? 0 : (e > size ? size : e);
    field.selStart = s < e ? s : e;
    field.selEnd = s < e ? e : s;
}

// What the standard edit control does with its selection on cut or Delete.
void EraseSelection(MaskedField& field) {
    field.text.erase(static_cast<std::size_t>(field.selStart), static_cast<std::size_t>(field.selEnd - field.selStart));
    Select(field, field.selStart, field.selStart);
}

struct Field {
    MaskedField state;
    bool readOnly = false;
    bool cutSinceFit = false;  // the standard cut ignores the mask

    void Apply(const MaskOutcome& outcome) {
        if (outcome.action != MaskAction::Commit) return;
        const MaskedField& next = outcome.field;
        FUZZ_CHECK(next.selStart >= 0 && next.selStart <= static_cast<long>(next.text.size()));
        FUZZ_CHECK(next.selEnd >= next.selStart);
        state.text = next.text;
        Select(state, next.selStart, next.selEnd);
    }
};

void Step(Field& f, FuzzInput& in) {
    switch (in.Byte() % 8) {
    case 0:
    case 1:
        f.Apply(MaskOnChar(kRules, f.state, f.readOnly, in.Char()));
        break;
    case 2:
        f.Apply(MaskOnChar(kRules, f.state, f.readOnly, L'\b'));
        break;
    case 3:
        f.Apply(MaskOnPaste(kRules, f.state, f.readOnly, in.Text(40)));
        break;
    case 4: {
        const long s = in.Byte() % 20, e = in.Byte() % 20;
        Select(f.state, s, e);
        break;
    }
    case 5:
        f.readOnly = !f.readOnly;
        break;
    default: {
        const std::uint8_t b = in.Byte();
        const unsigned keys[] = {kVkDelete, 'X', 'C', 'V', 0x24 /* Home */, 0x41};
        const MaskOutcome out = MaskOnKeyDown(f.state, (b & 0x80) != 0, keys[b % 6]);
        FUZZ_CHECK(out.action != MaskAction::Commit);
        if (f.readOnly) break;  // a read-only edit control neither cuts nor deletes
        if (out.action == MaskAction::SendCut && f.state.selEnd > f.state.selStart) {
            EraseSelection(f.state);
            f.cutSinceFit = true;
        } else if (out.action == MaskAction::SendPaste) {
            f.Apply(MaskOnPaste(kRules, f.state, f.readOnly, in.Text(40)));
        } else if (out.action == MaskAction::PassOn && keys[b % 6] == kVkDelete) {
            FUZZ_CHECK(f.state.selStart == 0 && f.state.selEnd == static_cast<long>(f.state.text.size()));
            EraseSelection(f.state);
        }
        break;
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Field f;
    f.readOnly = (in.Byte() & 1) != 0;
    for (int steps = 0; steps < 200 && !in.Empty(); ++steps) {
        const MaskedField before = f.state;
        Step(f, in);
        if (f.state.text.empty()) f.cutSinceFit = false;
        FUZZ_CHECK(f.state.text.size() <= kRules.mask.size());
        if (!f.cutSinceFit) FUZZ_CHECK(FitsMask(f.state.text));
        if (f.readOnly) FUZZ_CHECK(f.state.text == before.text);
    }
    return 0;
}

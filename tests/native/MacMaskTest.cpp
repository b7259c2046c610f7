// The editing rules of the masked MAC address field.
#include <gtest/gtest.h>

#include <random>

#include "controls/MacMask.h"

namespace {

const MaskRules kRules = MacMaskRules();

MaskedField Field(const std::wstring& text, long s, long e) {
    return {text, s, e};
}
MaskedField Caret(const std::wstring& text, long at) {
    return {text, at, at};
}
MaskedField AtEnd(const std::wstring& text) {
    return Caret(text, static_cast<long>(text.size()));
}

// Applies a committed outcome the way the edit window does: clamps the selection.
MaskedField Committed(const MaskOutcome& outcome) {
    MaskedField f = outcome.field;
    const long size = static_cast<long>(f.text.size());
    f.selStart = std::min(f.selStart, size);
    f.selEnd = std::min(f.selEnd, size);
    return f;
}

MaskedField Type(MaskedField field, const std::wstring& keys) {
    for (wchar_t c : keys) {
        const MaskOutcome out = MaskOnChar(kRules, field, false, c);
        if (out.action == MaskAction::Commit) field = Committed(out);
    }
    return field;
}

struct EditCase {
    const char* what;
    MaskedField before;
    wchar_t key;
    MaskAction action;
    std::wstring text;  // for Commit
    long caret;         // for Commit
};

TEST(MacMask, TypingFillsTheMaskAndWritesSeparators) {
    const MaskedField typed = Type(Caret(L"", 0), L"001122334455");
    EXPECT_EQ(L"00-11-22-33-44-55", typed.text);
    EXPECT_EQ(17, typed.selStart);
    EXPECT_EQ(17, typed.selEnd);
    EXPECT_EQ(L"AB-CD-EF", Type(Caret(L"", 0), L"abcdef").text);
}

TEST(MacMask, CharacterCases) {
    const EditCase cases[] = {
        {"lower case is stored upper", Caret(L"", 0), L'a', MaskAction::Commit, L"A", 1},
        {"g refused", Caret(L"", 0), L'g', MaskAction::Ignore, L"", 0},
        {"G refused", Caret(L"0", 1), L'G', MaskAction::Ignore, L"", 0},
        {"space refused", Caret(L"0", 1), L' ', MaskAction::Ignore, L"", 0},
        {"# refused", Caret(L"0", 1), L'#', MaskAction::Ignore, L"", 0},
        {"Ctrl+C character refused", Caret(L"0", 1), 0x03, MaskAction::Ignore, L"", 0},
        {"Ctrl+V character refused", Caret(L"0", 1), 0x16, MaskAction::Ignore, L"", 0},
        {"Ctrl+X character refused", Caret(L"0", 1), 0x18, MaskAction::Ignore, L"", 0},
        {"- at a separator appends it", AtEnd(L"00"), L'-', MaskAction::Commit, L"00-", 3},
        {"- at the fifth separator", AtEnd(L"00-11-22-33-44"), L'-', MaskAction::Commit, L"00-11-22-33-44-", 15},
        {"- at a digit position refused", AtEnd(L"0"), L'-', MaskAction::Ignore, L"", 0},
        {"digit before a separator skips it", AtEnd(L"00"), L'1', MaskAction::Commit, L"00-1", 4},
        {"digit overwrites inside", Caret(L"00-11-22", 3), L'9', MaskAction::Commit, L"00-91-22", 4},
        {"digit on a separator inside", Caret(L"00-11-22", 2), L'9', MaskAction::Commit, L"00-91-22", 4},
        {"full field refuses", AtEnd(L"00-11-22-33-44-55"), L'1', MaskAction::Ignore, L"", 0},
        {"full field refuses -", AtEnd(L"00-11-22-33-44-55"), L'-', MaskAction::Ignore, L"", 0},
        {"selection: only its start is overwritten", Field(L"00-11-22", 0, 8), L'f', MaskAction::Commit,
         L"F0-11-22", 1},
        {"backspace at the end removes the separator", AtEnd(L"00-11-"), 0x08, MaskAction::Commit, L"00-11", 5},
        {"backspace at the end removes a digit", AtEnd(L"00-11"), 0x08, MaskAction::Commit, L"00-1", 4},
        {"backspace inside zeroes a digit", Caret(L"00-11-22", 4), 0x08, MaskAction::Commit, L"00-01-22", 3},
        {"backspace behind a separator only moves", Caret(L"00-11-22", 3), 0x08, MaskAction::Commit, L"00-11-22",
         2},
        {"backspace at 0 commits unchanged", Caret(L"00-11", 0), 0x08, MaskAction::Commit, L"00-11", 0},
        {"backspace over a selection inside", Field(L"AB-CD-EF", 1, 4), 0x08, MaskAction::Commit, L"A0-0D-EF", 1},
        {"backspace over a selection to the end", Field(L"AB-CD-EF", 3, 8), 0x08, MaskAction::Commit, L"AB-", 3},
        {"backspace on an empty field", Caret(L"", 0), 0x08, MaskAction::Commit, L"", 0},
    };
    for (const EditCase& c : cases) {
        const MaskOutcome out = MaskOnChar(kRules, c.before, false, c.key);
        EXPECT_EQ(c.action, out.action) << c.what;
        if (c.action != MaskAction::Commit) continue;
        EXPECT_EQ(c.text, out.field.text) << c.what;
        EXPECT_EQ(c.caret, out.field.selStart) << c.what;
        EXPECT_EQ(c.caret, out.field.selEnd) << c.what;
    }
}

TEST(MacMask, ReadOnlyFieldPassesTypingOnAndIgnoresPaste) {
    EXPECT_EQ(MaskAction::PassOn, MaskOnChar(kRules, Caret(L"00", 2), true, L'1').action);
    EXPECT_EQ(MaskAction::PassOn, MaskOnChar(kRules, Caret(L"00", 2), true, 0x08).action);
    EXPECT_EQ(MaskAction::Ignore, MaskOnPaste(kRules, Field(L"00-11", 0, 5), true, L"AA-BB").action);
}

TEST(MacMask, KeyDownCases) {
    const MaskedField inside = Caret(L"00-11-22", 3);
    EXPECT_EQ(MaskAction::SendCopy, MaskOnKeyDown(inside, true, 'C').action);
    EXPECT_EQ(MaskAction::SendPaste, MaskOnKeyDown(inside, true, 'V').action);
    EXPECT_EQ(MaskAction::SendCut, MaskOnKeyDown(inside, true, 'X').action);
    EXPECT_EQ(MaskAction::PassOn, MaskOnKeyDown(inside, false, 'C').action);  // becomes a typed 'c'
    EXPECT_EQ(MaskAction::PassOn, MaskOnKeyDown(inside, false, 0x11).action);
    EXPECT_EQ(MaskAction::PassOn, MaskOnKeyDown(inside, false, 0x25).action);  // arrows
    // Delete only clears the whole text.
    EXPECT_EQ(MaskAction::Ignore, MaskOnKeyDown(inside, false, 0x2E).action);
    EXPECT_EQ(MaskAction::Ignore, MaskOnKeyDown(Field(L"00-11-22", 0, 7), false, 0x2E).action);
    EXPECT_EQ(MaskAction::PassOn, MaskOnKeyDown(Field(L"00-11-22", 0, 8), false, 0x2E).action);
    EXPECT_EQ(MaskAction::PassOn, MaskOnKeyDown(Caret(L"", 0), false, 0x2E).action);
}

struct PasteCase {
    const char* what;
    MaskedField before;
    std::wstring clip;
    std::wstring text;
    long selStart;
    long selEnd;  // as sent, before the edit window clamps it
};

TEST(MacMask, PasteCases) {
    const PasteCase cases[] = {
        {"display form", Caret(L"", 0), L"AA-BB-CC-DD-EE-FF", L"AA-BB-CC-DD-EE-FF", 0, 17},
        {"colons and lower case", Caret(L"", 0), L"aa:bb:cc:dd:ee:ff", L"AA-BB-CC-DD-EE-FF", 0, 17},
        {"non-digits become 0", Caret(L"", 0), L"zz-11-22-33-44-55", L"00-11-22-33-44-55", 0, 17},
        {"compact text loses a character at each separator", Caret(L"", 0), L"aabbccddeeff", L"AA-BC-DD-EF-", 0,
         17},
        {"full field, bare caret: nothing", Caret(L"00-11-22-33-44-55", 3), L"FF", L"00-11-22-33-44-55", 3, 3},
        {"over the whole text", Field(L"00-11-22-33-44-55", 0, 17), L"AA-BB-CC-DD-EE-FF", L"AA-BB-CC-DD-EE-FF", 0,
         18},
        {"over a selection only its range changes", Field(L"00-11-22-33-44-55", 3, 5), L"AA-BB",
         L"00-AA-22-33-44-55", 3, 6},
        {"shorter text keeps the rest", Field(L"00-11-22", 0, 8), L"F", L"F0-11-22", 0, 9},
        {"empty clipboard changes nothing", Caret(L"00-1", 4), L"", L"00-1", 4, 17},
        {"from a caret inside, bounded by the room", Caret(L"00-11", 3), L"AABBCCDDEEFFAABB", L"00-AA-BC-DD-EF-",
         3, 15},
    };
    for (const PasteCase& c : cases) {
        const MaskOutcome out = MaskOnPaste(kRules, c.before, false, c.clip);
        EXPECT_EQ(MaskAction::Commit, out.action) << c.what;
        EXPECT_EQ(c.text, out.field.text) << c.what;
        EXPECT_EQ(c.selStart, out.field.selStart) << c.what;
        EXPECT_EQ(c.selEnd, out.field.selEnd) << c.what;
    }
}

// The text stays a prefix of a string that matches the mask, and never longer.
void ExpectMaskPrefix(const std::wstring& text, const std::string& history) {
    ASSERT_LE(text.size(), kRules.mask.size()) << history;
    for (size_t i = 0; i < text.size(); ++i) {
        if (kRules.mask[i] == L'#') ASSERT_TRUE(kRules.IsValidChar(text[i])) << history;
        else ASSERT_EQ(kRules.mask[i], text[i]) << history;
    }
}

TEST(MacMask, RandomEditingKeepsTheTextAPrefixOfTheMask) {
    std::mt19937 random(20261208);
    const std::wstring alphabet = L"0123456789abcdefABCDEFgGxX-:# \x08\x03\x16\x18\x7F\u00e9\uac00";
    for (int run = 0; run < 2000; ++run) {
        MaskedField field;
        std::string history;
        for (int step = 0; step < 60; ++step) {
            const long size = static_cast<long>(field.text.size());
            std::uniform_int_distribution<long> position(0, size);
            long s = position(random), e = position(random);
            if (s > e) std::swap(s, e);
            field.selStart = s;
            field.selEnd = e;
            MaskOutcome out;
            const int kind = static_cast<int>(random() % 10);
            if (kind < 7) {
                const wchar_t c = alphabet[random() % alphabet.size()];
                history += "char " + std::to_string(static_cast<unsigned>(c)) + "@" + std::to_string(s) + "," +
                           std::to_string(e) + "; ";
                out = MaskOnChar(kRules, field, false, c);
            } else if (kind < 8) {
                history += "delete; ";
                out = MaskOnKeyDown(field, false, 0x2E);
                // The standard edit control deletes the selection (or nothing).
                if (out.action == MaskAction::PassOn) out = {MaskAction::Commit, {L"", 0, 0}};
            } else {
                std::wstring clip;
                const size_t length = random() % 24;
                for (size_t i = 0; i < length; ++i) clip += alphabet[random() % alphabet.size()];
                history += "paste@" + std::to_string(s) + "," + std::to_string(e) + "; ";
                out = MaskOnPaste(kRules, field, false, clip);
            }
            if (out.action == MaskAction::Commit) field = Committed(out);
            ExpectMaskPrefix(field.text, history);
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <set>

#include "app/LanguageSection.h"
#include "app/LineBreaks.h"
#include "text/LocaleTable.h"

namespace {

struct LocaleCase {
    std::uint32_t lcid;
    const wchar_t* name;
    const char* debugLine;
};

TEST(LocaleTable, NamesAndDebugLines) {
    const LocaleCase cases[] = {
        {0x412, L"KOREAN", "0x12"},
        {0x10411, L"JAPANESE", "0x11"},  // sort-order bits play no part
        {0xC0A, L"SPANISH_MODERN", "0xa"},
        {0x40A, L"SPANISH", "0xa"},
        {0x416, L"PORTUGUESE_BRAZILIAN", "0x16"},
        {0x816, L"PORTUGUESE", "0x16"},
        {0x41A, L"CROATIAN", "0x1a"},
        {0x81A, L"SERBIAN_LATIN", "0x1a"},
        {0xC1A, L"SERBIAN_CYRILLIC", "0x1a"},
        {0x404, L"CHINESE_TRADITIONAL", "0x4"},
        {0x804, L"CHINESE_SIMPLIFIED", "0x4"},
        {0x409, L"ENGLISH_US", "0x9"},
        {0x809, L"ENGLISH_UK", "0x9"},
        {0x3409, L"ENGLISH_PHILIPPINES", "0x9"},
        {0x500A, L"SPANISH_PUERTO_RICO", "0xa"},
        {0x417, L"ENGLISH_US", "0x17"},   // no row
        {0x540A, L"ENGLISH_US", "0xa"},   // beyond the last Spanish row
        {0x11, L"ENGLISH_US", "0x11"},    // no fall-back to the primary language
        {0, L"ENGLISH_US", "0x0"},
    };
    for (const LocaleCase& c : cases) {
        SCOPED_TRACE(c.lcid);
        EXPECT_EQ(std::wstring(c.name), LanguageNameForLangId(static_cast<std::uint16_t>(c.lcid & 0xFFFF)));
        const std::wstring line = PrimaryLanguageLine(c.lcid);
        EXPECT_EQ(std::string(c.debugLine), std::string(line.begin(), line.end()));
    }
}

TEST(LocaleTable, HasExactly144DistinctRows) {
    std::set<std::wstring> names;
    int rows = 0;
    for (std::uint32_t id = 0; id <= 0xFFFF; ++id) {
        const std::wstring name = LanguageNameForLangId(static_cast<std::uint16_t>(id));
        if (name == L"ENGLISH_US" && id != 0x409) continue;
        ++rows;
        names.insert(name);
        EXPECT_LE(name.size(), 26u) << id;
        EXPECT_EQ(std::wstring::npos, name.find_first_not_of(L"ABCDEFGHIJKLMNOPQRSTUVWXYZ_")) << id;
    }
    EXPECT_EQ(144, rows);
    EXPECT_EQ(144u, names.size());
    EXPECT_EQ(26u, std::wstring(LanguageNameForLangId(0x1C0A)).size());
}

TEST(LocaleTable, OnlyJapaneseAndKoreanLeaveEnglish) {
    EXPECT_EQ(L"JAPANESE.BRVT", LanguageSectionFor(L"JAPANESE"));
    EXPECT_EQ(L"KOREAN.BRVT", LanguageSectionFor(L"KOREAN"));
    for (const wchar_t* other : {L"ENGLISH_US", L"ENGLISH_UK", L"GERMAN", L"japanese", L"KOREAN_", L""})
        EXPECT_EQ(L"ENGLISH.BRVT", LanguageSectionFor(other)) << other;
}

TEST(LineBreaks, BackslashNBecomesOneLineFeed) {
    EXPECT_EQ(L"Power on request has been sent.\nCheck if the PC has powered on.",
              ExpandLineBreaks(L"Power on request has been sent.\\nCheck if the PC has powered on."));
    EXPECT_EQ(L"\n\n", ExpandLineBreaks(L"\\n\\n"));
    EXPECT_EQ(L"\\\n", ExpandLineBreaks(L"\\\\n"));  // replaced text is not scanned again
    EXPECT_EQ(L"a\\", ExpandLineBreaks(L"a\\"));
    EXPECT_EQ(L"\\N \\t", ExpandLineBreaks(L"\\N \\t"));
    EXPECT_EQ(L"", ExpandLineBreaks(L""));
}

}  // namespace

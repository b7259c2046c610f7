#include "LocaleTable.h"

namespace {

struct LanguageRow {
    std::uint16_t langId;
    const wchar_t* name;
};

// Grouped by sub-language, as Windows numbers them.
const LanguageRow kLanguages[] = {
    {0x0401, L"ARABIC_SAUDI"},
    {0x0402, L"BULGARIAN"},
    {0x0403, L"CATALAN"},
    {0x0404, L"CHINESE_TRADITIONAL"},
    {0x0405, L"CZECH"},
    {0x0406, L"DANISH"},
    {0x0407, L"GERMAN"},
    {0x0408, L"GREEK"},
    {0x0409, L"ENGLISH_US"},
    {0x040A, L"SPANISH"},
    {0x040B, L"FINNISH"},
    {0x040C, L"FRENCH"},
    {0x040D, L"HEBREW"},
    {0x040E, L"HUNGARIAN"},
    {0x040F, L"ICELANDIC"},
    {0x0410, L"ITALIAN"},
    {0x0411, L"JAPANESE"},
    {0x0412, L"KOREAN"},
    {0x0413, L"DUTCH"},
    {0x0414, L"NORWEGIAN_BOKMAL"},
    {0x0415, L"POLISH"},
    {0x0416, L"PORTUGUESE_BRAZILIAN"},
    {0x0418, L"ROMANIAN"},
    {0x0419, L"RUSSIAN"},
    {0x041A, L"CROATIAN"},
    {0x041B, L"SLOVAK"},
    {0x041C, L"ALBANIAN"},
    {0x041D, L"SWEDISH"},
    {0x041E, L"THAI"},
    {0x041F, L"TURKISH"},
    {0x0420, L"URDU_PAKISTAN"},
    {0x0421, L"INDONESIAN"},
    {0x0422, L"UKRAINIAN"},
    {0x0423, L"BELARUSIAN"},
    {0x0424, L"SLOVENIAN"},
    {0x0425, L"ESTONIAN"},
    {0x0426, L"LATVIAN"},
    {0x0427, L"LITHUANIAN"},
    {0x0429, L"FARSI"},
    {0x042A, L"VIETNAMESE"},
    {0x042B, L"ARMENIAN"},
    {0x042C, L"AZERI_LATIN"},
    {0x042D, L"BASQUE"},
    {0x042F, L"MACEDONIAN"},
    {0x0436, L"AFRIKAANS"},
    {0x0437, L"GEORGIAN"},
    {0x0438, L"FAEROESE"},
    {0x0439, L"HINDI"},
    {0x043E, L"MALAY_MALAYSIA"},
    {0x043F, L"KAZAK"},
    {0x0440, L"KYRGYZ"},
    {0x0441, L"SWAHILI"},
    {0x0443, L"UZBEK_LATIN"},
    {0x0444, L"TATAR"},
    {0x0445, L"BENGALI"},
    {0x0446, L"PUNJABI"},
    {0x0447, L"GUJARATI"},
    {0x0448, L"ORIYA"},
    {0x0449, L"TAMIL"},
    {0x044A, L"TELUGU"},
    {0x044B, L"KANNADA"},
    {0x044C, L"MALAYALAM"},
    {0x044D, L"ASSAMESE"},
    {0x044E, L"MARATHI"},
    {0x044F, L"SANSKRIT"},
    {0x0450, L"MONGOLIAN"},
    {0x0456, L"GALICIAN"},
    {0x0457, L"KONKANI"},
    {0x0458, L"MANIPURI"},
    {0x0459, L"SINDHI"},
    {0x045A, L"SYRIAC"},
    {0x0465, L"DIVEHI"},
    {0x0801, L"ARABIC_IRAQ"},
    {0x0804, L"CHINESE_SIMPLIFIED"},
    {0x0807, L"GERMAN_SWISS"},
    {0x0809, L"ENGLISH_UK"},
    {0x080A, L"SPANISH_MEXICAN"},
    {0x080C, L"FRENCH_BELGIAN"},
    {0x0810, L"ITALIAN_SWISS"},
    {0x0813, L"DUTCH_BELGIAN"},
    {0x0814, L"NORWEGIAN_NYNORSK"},
    {0x0816, L"PORTUGUESE"},
    {0x081A, L"SERBIAN_LATIN"},
    {0x081D, L"SWEDISH_FINLAND"},
    {0x0820, L"URDU_INDIA"},
    {0x082C, L"AZERI_CYRILLIC"},
    {0x083E, L"MALAY_BRUNEI_DARUSSALAM"},
    {0x0843, L"UZBEK_CYRILLIC"},
    {0x0860, L"KASHMIRI_INDIA"},
    {0x0861, L"NEPALI_INDIA"},
    {0x0C01, L"ARABIC_EGYPT"},
    {0x0C04, L"CHINESE_HONGKONG"},
    {0x0C07, L"GERMAN_AUSTRIAN"},
    {0x0C09, L"ENGLISH_AUS"},
    {0x0C0A, L"SPANISH_MODERN"},
    {0x0C0C, L"FRENCH_CANADIAN"},
    {0x0C1A, L"SERBIAN_CYRILLIC"},
    {0x1001, L"ARABIC_LIBYA"},
    {0x1004, L"CHINESE_SINGAPORE"},
    {0x1007, L"GERMAN_LUXEMBOURG"},
    {0x1009, L"ENGLISH_CAN"},
    {0x100A, L"SPANISH_GUATEMALA"},
    {0x100C, L"FRENCH_SWISS"},
    {0x1401, L"ARABIC_ALGERIA"},
    {0x1404, L"CHINESE_MACAU"},
    {0x1407, L"GERMAN_LIECHTENSTEIN"},
    {0x1409, L"ENGLISH_NZ"},
    {0x140A, L"SPANISH_COSTA_RICA"},
    {0x140C, L"FRENCH_LUXEMBOURG"},
    {0x1801, L"ARABIC_MOROCCO"},
    {0x1809, L"ENGLISH_EIRE"},
    {0x180A, L"SPANISH_PANAMA"},
    {0x180C, L"FRENCH_MONACO"},
    {0x1C01, L"ARABIC_TUNISIA"},
    {0x1C09, L"ENGLISH_SOUTH_AFRICA"},
    {0x1C0A, L"SPANISH_DOMINICAN_REPUBLIC"},
    {0x2001, L"ARABIC_OMAN"},
    {0x2009, L"ENGLISH_JAMAICA"},
    {0x200A, L"SPANISH_VENEZUELA"},
    {0x2401, L"ARABIC_YEMEN"},
    {0x2409, L"ENGLISH_CARIBBEAN"},
    {0x240A, L"SPANISH_COLOMBIA"},
    {0x2801, L"ARABIC_SYRIA"},
    {0x2809, L"ENGLISH_BELIZE"},
    {0x280A, L"SPANISH_PERU"},
    {0x2C01, L"ARABIC_JORDAN"},
    {0x2C09, L"ENGLISH_TRINIDAD"},
    {0x2C0A, L"SPANISH_ARGENTINA"},
    {0x3001, L"ARABIC_LEBANON"},
    {0x3009, L"ENGLISH_ZIMBABWE"},
    {0x300A, L"SPANISH_ECUADOR"},
    {0x3401, L"ARABIC_KUWAIT"},
    {0x3409, L"ENGLISH_PHILIPPINES"},
    {0x340A, L"SPANISH_CHILE"},
    {0x3801, L"ARABIC_UAE"},
    {0x380A, L"SPANISH_URUGUAY"},
    {0x3C01, L"ARABIC_BAHRAIN"},
    {0x3C0A, L"SPANISH_PARAGUAY"},
    {0x4001, L"ARABIC_QATAR"},
    {0x400A, L"SPANISH_BOLIVIA"},
    {0x440A, L"SPANISH_EL_SALVADOR"},
    {0x480A, L"SPANISH_HONDURAS"},
    {0x4C0A, L"SPANISH_NICARAGUA"},
    {0x500A, L"SPANISH_PUERTO_RICO"},
};

}  // namespace

const wchar_t* LanguageNameForLangId(std::uint16_t langId) {
    for (const LanguageRow& row : kLanguages) {
        if (row.langId == langId) return row.name;
    }
    return L"ENGLISH_US";
}

// Written by hand: the printf family would link a whole formatter into the
// program for this one line.
std::wstring PrimaryLanguageLine(std::uint32_t lcid) {
    const unsigned primary = lcid & 0x3FF;
    std::wstring digits;
    for (unsigned v = primary; v != 0 || digits.empty(); v >>= 4) digits.insert(digits.begin(), L"0123456789abcdef"[v & 0xF]);
    return L"0x" + digits;
}

std::wstring LanguageSectionFor(const std::wstring& languageName) {
    const wchar_t* language = L"ENGLISH";
    if (languageName == L"JAPANESE") language = L"JAPANESE";
    else if (languageName == L"KOREAN") language = L"KOREAN";
    return std::wstring(language) + L".BRVT";
}

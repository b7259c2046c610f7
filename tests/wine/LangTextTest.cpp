// Text lookup on the real extracted language file, through the platform's
// profile reader.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "WineTestSupport.h"
#include "text/LangTexts.h"

namespace {

std::string FileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteUtf16File(const std::wstring& path, const std::wstring& text) {
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write("\xFF\xFE", 2);
    out.write(reinterpret_cast<const char*>(text.data()), static_cast<std::streamsize>(text.size() * 2));
}

TEST(LangText, EachSectionGivesItsOwnTexts) {
    UseLanguage(L"ENGLISH.BRVT");
    EXPECT_EQ(L"Ok", theApp.GetLangText(L"WOL_OK"));
    EXPECT_EQ(L"Brevinta - WOL Tester", LocalizedCaption());
    UseLanguage(L"KOREAN.BRVT");
    EXPECT_EQ(L"확인", theApp.GetLangText(L"WOL_OK"));
    EXPECT_EQ(L"Brevinta - WOL 기능 테스트", LocalizedCaption());
    // The blanks a value ends with are dropped by the reader.
    EXPECT_EQ(L"고객님의 PC를 켤 수 있는지 확인할 수 있습니다.", theApp.GetLangText(L"MAIN_CAPTION"));
    UseLanguage(L"JAPANESE.BRVT");
    EXPECT_EQ(L"確認", theApp.GetLangText(L"WOL_OK"));
    EXPECT_EQ(L"Brevinta - WOL機能テスト", LocalizedCaption());
}

TEST(LangText, LineBreaksKeysAndCase) {
    UseLanguage(L"ENGLISH.BRVT");
    EXPECT_EQ(L"Power on request has been sent.\nCheck if the PC has powered on.", theApp.GetLangText(L"WOL_SUCCESS"));
    EXPECT_EQ(L"<Note>\nPC\u2019s BIOS and NIC must be configured properly to work with WOL.\nVerify this to be correct.",
              theApp.GetLangText(L"WOL_NOTE"));
    EXPECT_EQ(L"Ok", theApp.GetLangText(L"wol_ok"));
    EXPECT_EQ(L"NO_SUCH_KEY", theApp.GetLangText(L"NO_SUCH_KEY"));
    theApp.UseLangFile(TestLangFile(), L"FRENCH.BRVT");  // sections do not fall back to one another
    EXPECT_EQ(L"WOL_OK", theApp.GetLangText(L"WOL_OK"));
}

TEST(LangText, ValuesAreCutAt255AndEmptyValuesStayEmpty) {
    const std::wstring path = TempPath(L"quorvane-long.lng");
    const std::wstring longValue(300, L'x');
    WriteUtf16File(path, L"[ENGLISH.BRVT]\r\nLONG=" + longValue + L"\r\nEMPTY=\r\nSPACED =  padded  ");
    theApp.UseLangFile(path, L"ENGLISH.BRVT");
    EXPECT_EQ(std::wstring(255, L'x'), theApp.GetLangText(L"LONG"));
    EXPECT_EQ(L"", theApp.GetLangText(L"EMPTY"));
    EXPECT_EQ(L"padded", theApp.GetLangText(L"SPACED"));
    ::DeleteFileW(path.c_str());
}

TEST(LangText, MissingFileGivesTheKeys) {
    UseLanguage(L"ENGLISH.BRVT");
    ::DeleteFileW(TestLangFile().c_str());
    EXPECT_EQ(L"PRODUCT_NAME - PRODUCT_TITLE", LocalizedCaption());
    EXPECT_EQ(L"WOL_NAME", theApp.GetLangText(L"WOL_NAME"));
}

TEST(ExtractLangFile, ReplacesALongerFileWhole) {
    const std::wstring path = TempPath(L"quorvane-extract.lng");
    {
        std::ofstream old(path.c_str(), std::ios::binary);
        old << std::string(20000, 'Z');
    }
    ASSERT_TRUE(theApp.ExtractLangFile(path));
    unsigned long size = 0;
    const void* data = nullptr;
    LoadEmbeddedResource(200, 256, size, data);
    ASSERT_GT(size, 0u);
    EXPECT_EQ(std::string(static_cast<const char*>(data), size), FileBytes(path));
    ::DeleteFileW(path.c_str());
}

TEST(ExtractLangFile, FailsWhenTheFileCannotBeCreated) {
    EXPECT_FALSE(theApp.ExtractLangFile(L"Z:\\no\\such\\directory\\BRVT.lng"));
    EXPECT_FALSE(theApp.ExtractLangFile(TempPath(L"") + std::wstring(300, L'a') + L"\\BRVT.lng"));
}

TEST(ExtractLangFile, AnAbsentResourceFailsAndMakesNoFile) {
    const std::wstring path = TempPath(L"quorvane-absent.lng");
    ::DeleteFileW(path.c_str());
    EXPECT_FALSE(ExtractResource(201, 256, path));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(path.c_str()));
}

}  // namespace

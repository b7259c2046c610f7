// The report of what the check read, read back: the frozen reports made
// from what real Windows reports (tests/native/reports) give the same kinds,
// findings and verdicts as they recorded, and a report of the facts read
// back is the same report. Whatever the language, the facts are the same.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "ReportReader.h"
#include "netcheck/CheckReport.h"
#include "text/TextArgs.h"

namespace {

std::wstring FromUtf8(const std::string& bytes) {
    std::wstring text;
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const int more = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        unsigned cp = more == 0 ? c : c & (0x3F >> more);
        for (int k = 1; k <= more && i + k < bytes.size(); ++k) cp = cp << 6 | (bytes[i + k] & 0x3F);
        text += static_cast<wchar_t>(cp);
        i += 1 + more;
    }
    return text;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One section of the language file, as the program would show it.
std::map<std::wstring, std::wstring> g_texts;

void UseLanguage(const std::wstring& section) {
    const std::string bytes = ReadFile(QUORVANE_LANG_FILE);
    g_texts.clear();
    std::wstring line, current;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const wchar_t c = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (c != L'\n') {
            if (c != L'\r') line += c;
            if (i + 3 < bytes.size()) continue;
        }
        if (!line.empty() && line[0] == L'[') current = line;
        const std::size_t eq = line.find(L'=');
        if (current == L"[" + section + L".BRVT]" && eq != std::wstring::npos) g_texts[line.substr(0, eq)] = line.substr(eq + 1);
        line.clear();
    }
}

std::wstring Text(const wchar_t* key) {
    const auto found = g_texts.find(key);
    return found == g_texts.end() ? key : found->second;
}

std::wstring Time(std::uint64_t fileTime) {
    return DecimalText(static_cast<unsigned long>(fileTime / 10000000));
}

const LastTimeWords kWords{&Time, &Text};
const ReportOrigin kOrigin{L"1.0.0", 0x0A00, 19045};

std::wstring Rebuilt(ReadBack& read) {
    return BuildReport(kOrigin, FactsOf(read), read.last, kWords);
}

ReadBack Read(const std::wstring& text) {
    ReadBack read;
    std::wstring failed;
    EXPECT_TRUE(ReadReport(text, read, failed)) << std::string(failed.begin(), failed.end());
    return read;
}

std::size_t Count(const std::wstring& text, const std::wstring& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class ShippedReport : public testing::TestWithParam<const char*> {};

TEST_P(ShippedReport, ReadsBackToTheKindsFindingsAndVerdictsItRecorded) {
    UseLanguage(L"ENGLISH");
    const std::wstring frozen = FromUtf8(ReadFile(std::string(QUORVANE_REPORTS_DIR) + "/" + GetParam()));
    ASSERT_FALSE(frozen.empty()) << GetParam();
    ReadBack first = Read(frozen);
    ASSERT_FALSE(first.outcome.empty());
    const std::wstring report = Rebuilt(first);
    ReadBack second = Read(report);
    EXPECT_EQ(first.outcome, second.outcome);
    EXPECT_EQ(report, Rebuilt(second));  // nothing of the facts is lost on the way
    EXPECT_EQ(Count(frozen, L"\nadapter\t"), Count(report, L"\nadapter\t"));
    // Every fact the frozen report holds is read, and written again.
    const std::wstring facts = frozen.substr(0, frozen.find(L"\r\n# What the check found"));
    for (std::size_t at = facts.find(L"\r\n"); at != std::wstring::npos; at = facts.find(L"\r\n", at + 2)) {
        const std::wstring line = facts.substr(at + 2, facts.find(L"\r\n", at + 2) - at - 2);
        if (line.empty() || line[0] == L'#' || line.rfind(L"windows\t", 0) == 0) continue;
        EXPECT_NE(std::wstring::npos, report.find(L"\r\n" + line + L"\r\n")) << std::string(line.begin(), line.end());
    }
}

INSTANTIATE_TEST_SUITE_P(WindowsShapes, ShippedReport,
                         testing::Values("hyperv-host.txt", "bridge.txt", "vpn-over-wifi.txt", "modern-standby-laptop.txt",
                                         "modern-standby-exit.txt"));

TEST(Report, OfAPcWithoutAdaptersSaysSoAndReadsBack) {
    UseLanguage(L"ENGLISH");
    CheckFacts none;
    const std::wstring report = BuildReport(kOrigin, none, {}, kWords);
    EXPECT_EQ(0u, report.find(L"QuorvaneReport\t1\r\n# Quorvane report"));
    EXPECT_EQ(0u, Count(report, L"\nadapter\t"));
    EXPECT_NE(std::wstring::npos, report.find(L"\r\nwindows\t10.0\t19045\r\n"));
    ReadBack read = Read(report);
    EXPECT_TRUE(FactsOf(read).adapters.empty());
    EXPECT_EQ(report, Rebuilt(read));
    EXPECT_NE(std::wstring::npos, report.find(L"\r\ncheckFinding\tNETCHECK_NO_NETWORK\t"));
}

// A report written in Korean or Japanese keeps the raw names and reads back
// to the facts of the English one.
TEST(Report, InEveryLanguageKeepsTheRawNamesAndTheFacts) {
    UseLanguage(L"ENGLISH");
    ReadBack frozen = Read(FromUtf8(ReadFile(std::string(QUORVANE_REPORTS_DIR) + "/hyperv-host.txt")));
    const CheckFacts facts = FactsOf(frozen);
    const std::wstring english = BuildReport(kOrigin, facts, frozen.last, kWords);
    for (const wchar_t* language : {L"KOREAN", L"JAPANESE"}) {
        UseLanguage(language);
        const std::wstring report = BuildReport(kOrigin, facts, frozen.last, kWords);
        EXPECT_NE(english, report);
        const wchar_t first = language[0] == L'K' ? 0xAC00 : 0x3040;  // Hangul syllables, kana
        bool local = false;
        for (const wchar_t c : report) local = local || (c >= first && c < first + 0x2C00 && c < 0xD7A4);
        EXPECT_TRUE(local) << "no text in the language";
        for (const wchar_t* raw : {L"\r\nifType\t", L"\r\nsetting\tS5WakeOnLan\t", L"\r\nHiberbootEnabled\t",
                                   L"\r\nverdict\tREADY_SLEEP\t", L"\r\nPnPCapabilities\t"})
            EXPECT_NE(std::wstring::npos, report.find(raw)) << std::wstring(raw).substr(2).c_str();
        ReadBack read = Read(report);
        UseLanguage(L"ENGLISH");
        EXPECT_EQ(english, Rebuilt(read));
    }
}

}  // namespace

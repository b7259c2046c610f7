// What a saved PC's fields may hold, and one line's quoting.
#include <gtest/gtest.h>

#include "mypcs/CsvLine.h"
#include "mypcs/PcFields.h"

namespace {

using Fields = std::vector<std::wstring>;

TEST(CsvLine, ReadsEveryQuotingCase) {
    struct Case {
        const wchar_t* line;
        Fields fields;
    };
    const Case cases[] = {
        {L"a,b,c", {L"a", L"b", L"c"}},
        {L"", {L""}},
        {L",,", {L"", L"", L""}},
        {L"\"a,b\",c", {L"a,b", L"c"}},
        {L"\"say \"\"hi\"\"\",x", {L"say \"hi\"", L"x"}},
        {L"\"\"", {L""}},
        {L"\"\"\"\"", {L"\""}},
        {L"a,\"\"", {L"a", L""}},
        {L"ab\"c,d", {L"ab\"c", L"d"}},  // a quote inside an unquoted field stands as it is
        {L" \"a\"", {L" \"a\""}},        // not at the field's start: not a quote
    };
    for (const Case& c : cases) {
        Fields fields;
        EXPECT_TRUE(SplitCsvLine(c.line, fields)) << c.line;
        EXPECT_EQ(c.fields, fields) << c.line;
    }
    for (const wchar_t* bad : {L"\"open", L"a,\"open,b", L"\"a\"b,c", L"\"a\"\""}) {
        Fields fields;
        EXPECT_FALSE(SplitCsvLine(bad, fields)) << bad;
    }
}

TEST(CsvLine, QuotesOnlyWhatMustBeQuotedAndReadsItBack) {
    EXPECT_EQ(L"a,b", JoinCsvLine({L"a", L"b"}));
    EXPECT_EQ(L"\"a,b\",\"say \"\"hi\"\"\",", JoinCsvLine({L"a,b", L"say \"hi\"", L""}));
    const Fields odd = {L"\"", L",", L"", L" x ", L"사무실"};
    Fields back;
    ASSERT_TRUE(SplitCsvLine(JoinCsvLine(odd), back));
    EXPECT_EQ(odd, back);
}

TEST(PcFields, DestinationsAreAddressesOrNamesAndNeverLoopbackMulticastOrZero) {
    std::uint32_t address = 0;
    EXPECT_EQ(DestinationCheck::Address, CheckDestination(L"192.168.2.255", address));
    EXPECT_EQ(0xC0A802FFu, address);
    EXPECT_EQ(DestinationCheck::Address, CheckDestination(L"255.255.255.255", address));
    EXPECT_EQ(DestinationCheck::Name, CheckDestination(L"home.dyndns.example", address));
    for (const wchar_t* bad : {L"999.1.1.1", L"192.168.1", L"", L"a b", L"0x7f.1", L"-x.example", L"a..b"})
        EXPECT_EQ(DestinationCheck::Malformed, CheckDestination(bad, address)) << bad;
    for (const wchar_t* refused : {L"0.0.0.0", L"127.0.0.1", L"127.255.255.255", L"224.0.0.1", L"239.255.255.250"})
        EXPECT_EQ(DestinationCheck::Refused, CheckDestination(refused, address)) << refused;
}

TEST(PcFields, PortsAreOneTo65535InDigits) {
    std::uint16_t port = 0;
    EXPECT_TRUE(ParsePort(L"9", port));
    EXPECT_EQ(9, port);
    EXPECT_TRUE(ParsePort(L"65535", port));
    EXPECT_EQ(65535, port);
    EXPECT_TRUE(ParsePort(L"00007", port));
    EXPECT_EQ(7, port);
    for (const wchar_t* bad : {L"0", L"65536", L"", L"-1", L"+9", L"9 ", L"100000", L"0x10"})
        EXPECT_FALSE(ParsePort(bad, port)) << bad;
}

TEST(PcFields, PasswordsAreSixBytesLikeAMacOrFourLikeAnAddress) {
    WakePassword password;
    EXPECT_TRUE(ParsePassword(L"01-02-03-0A-0B-0C", password));
    EXPECT_EQ((WakePassword{1, 2, 3, 10, 11, 12}), password);
    EXPECT_TRUE(ParsePassword(L"192.168.0.1", password));
    EXPECT_EQ((WakePassword{192, 168, 0, 1}), password);
    EXPECT_TRUE(ParsePassword(L"", password));
    EXPECT_TRUE(password.empty());
    for (const wchar_t* bad : {L"01-02-03-04-05", L"1.2.3", L"secret", L"256.0.0.1", L"01020304050607"})
        EXPECT_FALSE(ParsePassword(bad, password)) << bad;
}

TEST(PcFields, EachBadFieldIsNamedWithItsSentence) {
    const wchar_t* key = nullptr;
    SavedPc pc{L"office-pc", {}, L"192.168.2.20", L"192.168.2.255", 9, L"1.2.3.4"};
    EXPECT_EQ(PcField::None, FindBadField(pc, key));
    struct Case {
        SavedPc pc;
        PcField field;
        const wchar_t* key;
    };
    const Case cases[] = {
        {{L"", {}, L"", L"", 0, L""}, PcField::Name, L"PCS_BAD_NAME"},
        {{L"a,b", {}, L"", L"", 0, L""}, PcField::Name, L"PCS_BAD_NAME"},
        {{L"*", {}, L"", L"", 0, L""}, PcField::Name, L"PCS_BAD_NAME"},
        {{L"/wake", {}, L"", L"", 0, L""}, PcField::Name, L"PCS_BAD_NAME"},
        {{L"pc", {}, L"999.1.1.1", L"", 0, L""}, PcField::Address, L"PCS_BAD_ADDRESS"},
        {{L"pc", {}, L"", L"a b", 0, L""}, PcField::Destination, L"PCS_BAD_DESTINATION"},
        {{L"pc", {}, L"", L"127.0.0.1", 0, L""}, PcField::Destination, L"PCS_REFUSED_DESTINATION"},
        {{L"pc", {}, L"", L"", 0, L"nope"}, PcField::Password, L"PCS_BAD_PASSWORD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.field, FindBadField(c.pc, key)) << c.key;
        EXPECT_STREQ(c.key, key);
    }
}

TEST(PcFields, NamesCompareWithoutCaseInEveryScript) {
    EXPECT_TRUE(SamePcName(L"Office-PC", L"office-pc"));
    EXPECT_TRUE(SamePcName(L"ÉCOLE", L"école"));
    EXPECT_TRUE(SamePcName(L"사무실", L"사무실"));
    EXPECT_FALSE(SamePcName(L"事務所", L"事務室"));
    EXPECT_FALSE(SamePcName(L"pc", L"pc2"));
}

}  // namespace

// The command line's rules: every option form, values missing or repeated,
// MAC addresses good and bad, numbers out of range, unknown options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace {

using Args = std::vector<std::wstring>;

// The error's key and argument, or "ok".
std::wstring Outcome(const Args& args) {
    const CommandLine line = ParseCommandLine(args);
    return line.errorKey ? std::wstring(line.errorKey) + L" " + line.errorArg : L"ok";
}

TEST(CommandLine, EveryOptionFormAndItsValues) {
    const CommandLine line =
        ParseCommandLine({L"-WAKE", L"0a:1b:2c:3d:4e:5f", L"/Every", L"/wait", L"office-pc", L"-seconds", L"3600", L"/QUIET"});
    EXPECT_EQ(nullptr, line.errorKey);
    EXPECT_TRUE(line.wake && line.every && line.wait && line.quiet);
    EXPECT_EQ(L"0A1B2C3D4E5F", FormatMacCompact(line.mac));
    EXPECT_EQ(L"office-pc", line.target);
    EXPECT_EQ(3600u, line.seconds);

    const CommandLine plain = ParseCommandLine({L"/wake", L"0A1B2C3D4E5F"});
    EXPECT_FALSE(plain.every || plain.wait || plain.quiet);
    EXPECT_EQ(180u, plain.seconds);
    for (const Args& help : {Args{L"/?"}, Args{L"-help"}, Args{L"/HELP"}, Args{L"/wake", L"0A1B2C3D4E5F", L"/?"}})
        EXPECT_TRUE(ParseCommandLine(help).help) << help.front();
}

TEST(CommandLine, MacAddressesAsTheyArePasted) {
    MacAddress mac{};
    for (const wchar_t* good : {L"0A1B2C3D4E5F", L"0a-1b-2c-3d-4e-5f", L"0A:1B:2C:3D:4E:5F"}) {
        EXPECT_TRUE(MacArgument(good, mac)) << good;
        EXPECT_EQ(L"0A1B2C3D4E5F", FormatMacCompact(mac)) << good;
    }
    for (const wchar_t* bad : {L"", L"0A1B2C3D4E", L"0A1B2C3D4E5F00", L"0A-1B:2C-3D-4E-5F", L"0A1B-2C3D-4E5F",
                               L"-0A1B2C3D4E5F", L"0A-1B-2C-3D-4E-5F-", L"0A--1B-2C-3D-4E-5F", L"0x0A1B2C3D4E",
                               L"0G1B2C3D4E5F", L"0A 1B 2C 3D 4E 5F"})
        EXPECT_FALSE(MacArgument(bad, mac)) << bad;
}

TEST(CommandLine, WhatIsWrongIsNamedAndNothingElseIsDone) {
    const struct {
        Args args;
        const wchar_t* outcome;
    } cases[] = {
        {{L"/wake"}, L"CLI_MISSING /wake"},
        {{L"/wake", L"/every"}, L"CLI_MISSING /wake"},
        {{L"/wake", L"0A1B2C3D4E5F", L"/wake", L"0A1B2C3D4E5F"}, L"CLI_TWICE /wake"},
        {{L"/wake", L"0A1B2C3D4E5F", L"/every", L"-EVERY"}, L"CLI_TWICE -EVERY"},
        {{L"/wake", L"0A1B2C3D4E5G"}, L"CLI_BAD_MAC 0A1B2C3D4E5G"},
        {{L"/wake", L"0A1B2C3D4E5F", L"/wait", L"192.168.1"}, L"CLI_BAD_TARGET 192.168.1"},
        {{L"/wake", L"0A1B2C3D4E5F", L"/wait", L"pc", L"/seconds", L"0"}, L"CLI_BAD_SECONDS 0"},
        {{L"/wake", L"0A1B2C3D4E5F", L"/wait", L"pc", L"/seconds", L"3601"}, L"CLI_BAD_SECONDS 3601"},
        {{L"/wake", L"0A1B2C3D4E5F", L"/wait", L"pc", L"/seconds", L"+5"}, L"CLI_BAD_SECONDS +5"},
        {{L"/wake", L"0A1B2C3D4E5F", L"/seconds", L"5"}, L"CLI_NEEDS_WAIT /seconds"},
        {{L"/every"}, L"CLI_NEEDS_WAKE /every"},
        {{L"0A1B2C3D4E5F"}, L"CLI_UNKNOWN 0A1B2C3D4E5F"},
        {{L"/wake", L"0A1B2C3D4E5F", L"/now"}, L"CLI_UNKNOWN /now"},
        {{L"/"}, L"CLI_UNKNOWN /"},
        {{L"/wake", L"0A1B2C3D4E5F", L"/wait", L"pc", L"/seconds", L"5"}, L"ok"},
        {{L"/report"}, L"ok"},
        {{L"-REPORT", L"/quiet"}, L"ok"},
        {{L"/report", L"/report"}, L"CLI_TWICE /report"},
        {{L"/report", L"/wake", L"0A1B2C3D4E5F"}, L"CLI_REPORT_ALONE /report"},
        {{L"/every", L"/report"}, L"CLI_REPORT_ALONE /report"},
        {{L"/report", L"/wait", L"pc", L"/seconds", L"5"}, L"CLI_REPORT_ALONE /report"},
        {{L"/scan", L"-QUIET"}, L"ok"},
        {{L"/scan", L"/scan"}, L"CLI_TWICE /scan"},
        {{L"/scan", L"/every"}, L"CLI_REPORT_ALONE /scan"},
        {{L"/wake", L"0A1B2C3D4E5F", L"/scan"}, L"CLI_REPORT_ALONE /scan"},
        {{L"/report", L"/scan"}, L"CLI_REPORT_ALONE /report"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.outcome, Outcome(c.args)) << c.args.back();
    // Only a wrong MAC address opens the main window's own notice.
    EXPECT_TRUE(ParseCommandLine({L"/wake", L"0A1B2C3D4E5G"}).badMac);
    EXPECT_FALSE(ParseCommandLine({L"/wake"}).badMac);
    EXPECT_FALSE(ParseCommandLine({L"/wake", L"0A1B2C3D4E5F", L"/wait", L"192.168.1"}).badMac);
    // A wrong line keeps its /quiet: no window opens to say what was wrong.
    EXPECT_TRUE(AsksQuiet({L"/wake", L"0A1B2C3D4E5G", L"-QUIET"}));
    EXPECT_FALSE(AsksQuiet({L"/wake", L"0A1B2C3D4E5F", L"/quietly"}));
}

TEST(CommandLine, SavedPcsByNameWithTheirOwnDestinationPortAndPassword) {
    const CommandLine named = ParseCommandLine({L"/wake", L"office-pc,lab-2", L"/to", L"home.example", L"/PORT", L"7",
                                                L"-password", L"1.2.3.4", L"/wait"});
    EXPECT_EQ((std::vector<std::wstring>{L"office-pc", L"lab-2"}), named.names);
    // Only the saved list can tell a name from a wrong MAC address.
    EXPECT_TRUE(named.badMac);
    EXPECT_EQ(L"CLI_BAD_MAC office-pc,lab-2", std::wstring(named.errorKey) + L" " + named.errorArg);
    EXPECT_EQ(L"home.example", named.to);
    EXPECT_EQ(7, named.port);
    EXPECT_EQ(L"1.2.3.4", named.password);
    EXPECT_TRUE(named.wait && named.target.empty());
    EXPECT_EQ((std::vector<std::wstring>{L"*"}), ParseCommandLine({L"/wake", L"*"}).names);

    const CommandLine mac = ParseCommandLine({L"/wake", L"001122334455", L"/to", L"192.168.2.255", L"/port", L"9"});
    EXPECT_EQ(nullptr, mac.errorKey);
    EXPECT_TRUE(mac.names.empty());
    EXPECT_EQ(L"192.168.2.255", mac.to);
    EXPECT_TRUE(ParseCommandLine({L"/list"}).list);
}

TEST(CommandLine, NewOptionsRefuseWhatTheyCannotSend) {
    const struct {
        Args args;
        const wchar_t* outcome;
    } cases[] = {
        {{L"/wake", L"001122334455", L"/to", L"999.1.1.1"}, L"CLI_BAD_TO 999.1.1.1"},
        {{L"/wake", L"001122334455", L"/to", L"127.0.0.1"}, L"CLI_BAD_TO 127.0.0.1"},
        {{L"/wake", L"001122334455", L"/to", L"224.0.0.1"}, L"CLI_BAD_TO 224.0.0.1"},
        {{L"/wake", L"001122334455", L"/to", L"0.0.0.0"}, L"CLI_BAD_TO 0.0.0.0"},
        {{L"/wake", L"001122334455", L"/port", L"0"}, L"CLI_BAD_PORT 0"},
        {{L"/wake", L"001122334455", L"/port", L"65536"}, L"CLI_BAD_PORT 65536"},
        {{L"/wake", L"001122334455", L"/password", L"secret"}, L"CLI_BAD_PASSWORD secret"},
        {{L"/wake", L"001122334455", L"/port", L"9", L"/port", L"7"}, L"CLI_TWICE /port"},
        {{L"/wake", L"001122334455", L"/to"}, L"CLI_MISSING /to"},
        {{L"/wake", L"001122334455", L"/wait"}, L"CLI_MISSING /wait"},
        {{L"/wake", L"001122334455", L"/wait", L"/seconds", L"5"}, L"CLI_MISSING /wait"},
        {{L"/port", L"9"}, L"CLI_NEEDS_WAKE /port"},
        {{L"/list", L"/wake", L"001122334455"}, L"CLI_LIST_ALONE /list"},
        {{L"/list", L"/port", L"9"}, L"CLI_LIST_ALONE /list"},
        {{L"/list", L"/report"}, L"CLI_REPORT_ALONE /report"},
        {{L"/list", L"/quiet"}, L"ok"},
        {{L"/wake", L"001122334455", L"/to", L"pc.example", L"/port", L"7", L"/password", L"00-11-22-33-44-55"}, L"ok"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.outcome, Outcome(c.args)) << c.args.back();
}

}  // namespace

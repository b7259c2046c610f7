#pragma once
// The command line of a shortcut, a script or a scheduled task: what it
// asks for, or what was wrong with it. Platform-free.
//   /wake MAC [/every] [/wait ADDRESS-OR-NAME [/seconds N]] [/quiet]
//   /wake NAME[,NAME...] or /wake * [/to ADDRESS-OR-NAME] [/port N]
//         [/password PW] [/wait [ADDRESS-OR-NAME]] [/quiet]
//   /report [/quiet], /list [/quiet]
//   /scan [/quiet]
//   /? or /help
// Options are case-insensitive, with "/" or "-" before each; values are
// separate arguments.
#include <cstdint>
#include <string>
#include <vector>

#include "net/MacAddress.h"
#include "wakewait/WaitLength.h"
#include "wakewait/WakeTarget.h"

// The exit codes, stable for scripts.
enum class ExitCode : int {
    Succeeded = 0,       // sent (with /wait: answered, or on already, so nothing sent); /?; /report or /scan written or copied
    NoAnswer = 1,        // sent, no answer within the time
    BadCommandLine = 2,  // nothing sent
    SendFailed = 3,      // also /scan with no connected IPv4 network to ask on
    WrongAddress = 4,    // the /wait address is no other PC (nothing sent), or another device answers there
};

struct CommandLine {
    bool help = false;
    bool wake = false;
    MacAddress mac{};
    bool every = false;
    bool wait = false;
    std::wstring target;  // an IPv4 address or a name
    TargetKind targetKind = TargetKind::Invalid;  // as ParseTarget read it, once
    std::uint32_t targetAddress = 0;              // for an address
    std::uint32_t seconds = kWaitSeconds;
    bool quiet = false;
    bool report = false;
    bool scan = false;
    bool list = false;
    // Saved PCs' names (or MAC addresses among them, or "*"): what /wake
    // names when it is not one MAC address. Only the saved list can tell
    // whether they are PCs, so the line also says CLI_BAD_MAC, which holds
    // when the list has none of them.
    std::vector<std::wstring> names;
    std::wstring to;            // empty: Power ON's 255.255.255.255, or the saved PC's
    std::uint16_t port = 0;     // 0: Power ON's 40000, or the saved PC's
    std::wstring password;      // as given; empty: none, or the saved PC's

    // What was wrong: a language key ("%1" the argument) and that argument;
    // null when the line is good.
    const wchar_t* errorKey = nullptr;
    std::wstring errorArg;
    bool badMac = false;  // the wrong part is the MAC address: the main window's own notice says so
};

// `args` without the program's own name; at least one.
CommandLine ParseCommandLine(const std::vector<std::wstring>& args);

// Whether /quiet stands anywhere among `args`, even on a line that is wrong:
// no window may open then either.
bool AsksQuiet(const std::vector<std::wstring>& args);

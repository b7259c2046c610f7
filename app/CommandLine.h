#pragma once
// The command line of a shortcut, a script or a scheduled task: what it
// asks for, or what was wrong with it. Platform-free.
//   /wake MAC [/every] [/wait ADDRESS-OR-NAME [/seconds N]] [/quiet]
//   /report [/quiet]
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

// Twelve hex digits, alone or in pairs joined by "-" or ":" throughout, as
// a MAC address is pasted; false for anything else.
bool MacArgument(const std::wstring& text, MacAddress& mac);

#include "CommandLine.h"

#include "core/HexDigits.h"
#include "mypcs/PcFields.h"
#include "text/TextArgs.h"
#include "wakewait/WakeTarget.h"

namespace {

// "/WAKE", "-wake" and "/wake" are one option; empty text for no option.
std::wstring OptionName(const std::wstring& arg) {
    if (arg.size() < 2 || (arg[0] != L'/' && arg[0] != L'-')) return std::wstring();
    std::wstring name;
    for (std::size_t i = 1; i < arg.size(); ++i) name += static_cast<wchar_t>(AsciiUpper(arg[i]));
    return name;
}

bool ParseSeconds(const std::wstring& text, std::uint32_t& seconds) {
    unsigned long value = 0;
    if (!ParseDecimal(text, 4, 1, 3600, value)) return false;
    seconds = static_cast<std::uint32_t>(value);
    return true;
}

std::vector<std::wstring> SplitNames(const std::wstring& text) {
    std::vector<std::wstring> names;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(L',', start);
        names.push_back(text.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
        if (comma == std::wstring::npos) return names;
        start = comma + 1;
    }
}

// The values of /to, /port and /password: the key of what is wrong, or null.
const wchar_t* ParseSendValue(const std::wstring& name, const std::wstring& value, CommandLine& line) {
    std::uint32_t address = 0;
    WakePassword password;
    if (name == L"TO") {
        line.to = value;
        const DestinationCheck check = CheckDestination(value, address);
        return check == DestinationCheck::Malformed || check == DestinationCheck::Refused ? L"CLI_BAD_TO" : nullptr;
    }
    if (name == L"PORT") return ParsePort(value, line.port) ? nullptr : L"CLI_BAD_PORT";
    line.password = value;
    return ParsePassword(value, password) ? nullptr : L"CLI_BAD_PASSWORD";
}

CommandLine Refuse(const wchar_t* key, const std::wstring& arg) {
    CommandLine bad;
    bad.errorKey = key;
    bad.errorArg = arg;
    return bad;
}

}  // namespace

bool AsksQuiet(const std::vector<std::wstring>& args) {
    for (const std::wstring& arg : args)
        if (OptionName(arg) == L"QUIET") return true;
    return false;
}

namespace {

// What the options seen so far left to check at the end.
struct Parse {
    CommandLine line;
    bool seconds = false;
    std::vector<std::wstring> seen;  // of /to, /port, /password
    std::wstring wakeText;

    // An option's value: the key of what is wrong, "TWICE" naming the option.
    const wchar_t* TakeValue(const std::wstring& name, const std::wstring& value) {
        if (name == L"TO" || name == L"PORT" || name == L"PASSWORD") {
            for (const std::wstring& taken : seen)
                if (taken == name) return L"CLI_TWICE";
            seen.push_back(name);
            return ParseSendValue(name, value, line);
        }
        if (name == L"WAKE") {
            if (line.wake) return L"CLI_TWICE";
            line.wake = true;
            if (!MacArgument(value, line.mac)) {
                line.names = SplitNames(value);
                wakeText = value;
            }
            return nullptr;
        }
        if (name == L"WAIT") {
            if (line.wait) return L"CLI_TWICE";
            line.wait = true;
            line.target = value;
            line.targetKind = ParseTarget(value, line.targetAddress);
            return line.targetKind == TargetKind::Invalid ? L"CLI_BAD_TARGET" : nullptr;
        }
        if (seconds) return L"CLI_TWICE";
        seconds = true;
        return ParseSeconds(value, line.seconds) ? nullptr : L"CLI_BAD_SECONDS";
    }

    CommandLine Finish(const std::wstring& first) {
        if (line.help) return line;
        const bool sends = line.wake || line.every || line.wait || seconds || !seen.empty();
        // The report, the scan and the list send nothing: nothing that belongs to a send goes with them.
        if (line.report && (sends || line.scan || line.list)) return Refuse(L"CLI_REPORT_ALONE", L"/report");
        if (line.scan && (sends || line.list)) return Refuse(L"CLI_REPORT_ALONE", L"/scan");
        if (line.list && sends) return Refuse(L"CLI_LIST_ALONE", L"/list");
        if (line.report || line.scan || line.list) return line;
        if (!line.wake) return Refuse(L"CLI_NEEDS_WAKE", first);
        if (seconds && !line.wait) return Refuse(L"CLI_NEEDS_WAIT", L"/seconds");
        if (!line.names.empty()) {
            line.errorKey = L"CLI_BAD_MAC";
            line.errorArg = wakeText;
            line.badMac = true;
        } else if (line.wait && line.target.empty()) {
            return Refuse(L"CLI_MISSING", L"/wait");  // a MAC address has no saved address to wait for
        }
        return line;
    }
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::wstring>& args) {
    Parse parse;
    CommandLine& line = parse.line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring name = OptionName(args[i]);
        if (name == L"?" || name == L"HELP") {
            line.help = true;
            continue;
        }
        bool* flag = name == L"EVERY"    ? &line.every
                     : name == L"QUIET"  ? &line.quiet
                     : name == L"REPORT" ? &line.report
                     : name == L"LIST"   ? &line.list
                     : name == L"SCAN"   ? &line.scan
                                         : nullptr;
        if (flag) {
            if (*flag) return Refuse(L"CLI_TWICE", args[i]);
            *flag = true;
            continue;
        }
        const bool takesValue = name == L"WAKE" || name == L"WAIT" || name == L"SECONDS" || name == L"TO" ||
                                name == L"PORT" || name == L"PASSWORD";
        if (!takesValue) return Refuse(L"CLI_UNKNOWN", args[i]);
        const bool valueFollows = i + 1 < args.size() && OptionName(args[i + 1]).empty();
        if (name == L"WAIT" && !valueFollows) {
            // Without an address: the saved PC's.
            if (line.wait) return Refuse(L"CLI_TWICE", args[i]);
            line.wait = true;
            continue;
        }
        if (!valueFollows) return Refuse(L"CLI_MISSING", args[i]);
        ++i;
        if (const wchar_t* key = parse.TakeValue(name, args[i]))
            return Refuse(key, std::wstring(key) == L"CLI_TWICE" ? args[i - 1] : args[i]);
    }
    return parse.Finish(args.front());
}

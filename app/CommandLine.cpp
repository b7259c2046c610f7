#include "CommandLine.h"

#include "core/HexDigits.h"
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
    if (text.empty() || text.size() > 4) return false;
    std::uint32_t value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        value = value * 10 + static_cast<std::uint32_t>(c - L'0');
    }
    if (value < 1 || value > 3600) return false;
    seconds = value;
    return true;
}

CommandLine Refuse(const wchar_t* key, const std::wstring& arg) {
    CommandLine bad;
    bad.errorKey = key;
    bad.errorArg = arg;
    return bad;
}

}  // namespace

bool MacArgument(const std::wstring& text, MacAddress& mac) {
    std::wstring digits;
    wchar_t separator = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = AsciiUpper(text[i]);
        if (HexDigitValue(c) >= 0) {
            digits += c;
            continue;
        }
        // A separator stands between two pairs, and is the same one throughout.
        const bool between = digits.size() % 2 == 0 && !digits.empty() && i + 1 < text.size();
        if ((c != L'-' && c != L':') || !between || (separator && c != separator)) return false;
        separator = c;
    }
    const std::size_t separators = separator ? text.size() - digits.size() : 0;
    if (digits.size() != 2 * kMacBytes || (separator && separators != kMacBytes - 1)) return false;
    return ParseMacAddress(digits, mac);
}

bool AsksQuiet(const std::vector<std::wstring>& args) {
    for (const std::wstring& arg : args)
        if (OptionName(arg) == L"QUIET") return true;
    return false;
}

CommandLine ParseCommandLine(const std::vector<std::wstring>& args) {
    CommandLine line;
    bool seconds = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring name = OptionName(args[i]);
        if (name == L"?" || name == L"HELP") {
            line.help = true;
            continue;
        }
        bool* flag = name == L"EVERY"    ? &line.every
                     : name == L"QUIET"  ? &line.quiet
                     : name == L"REPORT" ? &line.report
                     : name == L"SCAN"   ? &line.scan
                                         : nullptr;
        if (flag) {
            if (*flag) return Refuse(L"CLI_TWICE", args[i]);
            *flag = true;
            continue;
        }
        const bool takesValue = name == L"WAKE" || name == L"WAIT" || name == L"SECONDS";
        if (!takesValue) return Refuse(L"CLI_UNKNOWN", args[i]);
        if (i + 1 >= args.size() || !OptionName(args[i + 1]).empty()) return Refuse(L"CLI_MISSING", args[i]);
        const std::wstring& value = args[++i];
        if (name == L"WAKE") {
            if (line.wake) return Refuse(L"CLI_TWICE", args[i - 1]);
            line.wake = true;
            if (!MacArgument(value, line.mac)) {
                CommandLine bad = Refuse(L"CLI_BAD_MAC", value);
                bad.badMac = true;
                return bad;
            }
        } else if (name == L"WAIT") {
            if (line.wait) return Refuse(L"CLI_TWICE", args[i - 1]);
            line.wait = true;
            line.targetKind = ParseTarget(value, line.targetAddress);
            if (line.targetKind == TargetKind::Invalid) return Refuse(L"CLI_BAD_TARGET", value);
            line.target = value;
        } else {
            if (seconds) return Refuse(L"CLI_TWICE", args[i - 1]);
            seconds = true;
            if (!ParseSeconds(value, line.seconds)) return Refuse(L"CLI_BAD_SECONDS", value);
        }
    }
    if (line.help) return line;
    // The report sends nothing: nothing that belongs to a send goes with it.
    if (line.report && (line.wake || line.every || line.wait || line.scan || seconds)) return Refuse(L"CLI_REPORT_ALONE", L"/report");
    if (line.report) return line;
    // Nor with the scan, which only asks.
    if (line.scan && (line.wake || line.every || line.wait || seconds)) return Refuse(L"CLI_REPORT_ALONE", L"/scan");
    if (line.scan) return line;
    if (!line.wake) return Refuse(L"CLI_NEEDS_WAKE", args.front());
    if (seconds && !line.wait) return Refuse(L"CLI_NEEDS_WAIT", L"/seconds");
    return line;
}

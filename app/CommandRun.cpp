#include "CommandRun.h"

#include "CommandLine.h"
#include "ConsoleOutput.h"
#include "framework/CWinApp.h"
#include "net/DirectedSend.h"
#include "net/HostEntry.h"
#include "net/Ipv4.h"
#include "net/SocketSession.h"
#include "net/SystemAdapterFacts.h"
#include "net/WinsockStartup.h"
#include "netcheck/AdapterSend.h"
#include "netcheck/CheckFactsReader.h"
#include "report/ThisPcReport.h"
#include "text/AnsiText.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"
#include "wakewait/NeighbourProbe.h"
#include "wakewait/SystemProbes.h"
#include "wakewait/WaitTexts.h"
#include "wakewait/WakeSend.h"
#include "wakewait/WakeTarget.h"
#include "wol/CMacErrorDlg.h"
#include "wol/CSendErrorDlg.h"
#include "wol/CSentNoticeDlg.h"

namespace {

const wchar_t* const kHelpKeys[] = {L"CLI_HELP_USAGE",  L"CLI_HELP_WAKE",  L"CLI_HELP_EVERY", L"CLI_HELP_WAIT",
                                    L"CLI_HELP_REPORT", L"CLI_HELP_QUIET", L"CLI_HELP_EXIT"};

std::wstring Text(const wchar_t* key, const std::vector<std::wstring>& args = {}) {
    return FillArgs(LocalizedText(key), args);
}

// Says each step, and keeps what it said for a message when no console
// shows it.
class Steps {
public:
    explicit Steps(ConsoleOutput& out) : m_out(out) {}
    void Say(const std::wstring& line) {
        m_out.Line(line);
        m_strSaid += (m_strSaid.empty() ? L"" : L"\n") + line;
    }
    const std::wstring& Said() const { return m_strSaid; }

private:
    ConsoleOutput& m_out;
    std::wstring m_strSaid;
};

void SayHelp(Steps& steps) {
    for (const wchar_t* key : kHelpKeys) steps.Say(Text(key));
}

// Every send of the run on its own line.
void SaySends(Steps& steps, const WakeSendResult& sent, const CommandLine& line, const std::vector<Adapter>& adapters,
              const std::vector<AdapterSubnet>& rows, int subnetRow) {
    steps.Say(sent.powerOn ? Text(L"CLI_SENT", {FormatMacDisplay(line.mac)}) : Text(L"CLI_SEND_FAILED", {sent.failure}));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SendResult result = i < sent.every.size() ? sent.every[i] : SendResult();
        if (static_cast<int>(i) == subnetRow) result = sent.subnet;
        if (!result.Tried()) continue;
        const std::wstring& label = adapters[rows[i].adapter].label;
        steps.Say(result.Sent() ? Text(L"CLI_SENT_THROUGH", {label, DottedQuad(rows[i].broadcast)})
                                : Text(L"CLI_NOT_SENT_THROUGH", {label, result.FailureText()}));
    }
}

// A name's first IPv4 address, in a session of the socket layer of its own.
bool LookUpName(const std::wstring& name, std::uint32_t& address) {
    WinsockStartup winsock;
    const SocketSession session(winsock, kWinsock2);
    return session.Started() && LookUpFirstIpv4(ToAnsi(name).c_str(), address);
}

// Wake and wait's rules on this thread: the address first, the PC already
// on, the send, then the rounds until an answer or the end of the time.
ExitCode WakeAndWait(Steps& steps, const CommandLine& line, const std::vector<Adapter>& adapters,
                     const std::vector<AdapterSubnet>& rows) {
    std::uint32_t address = 0;
    const bool name = ParseTarget(line.target, address) == TargetKind::Name;
    const bool resolved = !name || LookUpName(line.target, address);
    const std::wstring shown = name && resolved ? line.target + L" (" + DottedQuad(address) + L")" : line.target;
    if (!resolved) {
        const WakeSendResult sent = SendWakePackets(line.mac, adapters, rows, -1, line.every);
        SaySends(steps, sent, line, adapters, rows, -1);
        if (!sent.AnySent()) return ExitCode::SendFailed;
        steps.Say(Text(L"WAIT_NOT_WATCHED", {line.target}));
        return ExitCode::NoAnswer;
    }
    const Refusal refusal = RefuseAddress(address, adapters);
    if (refusal != Refusal::None) {
        steps.Say(Text(refusal == Refusal::OwnAddress ? L"WAIT_OWN_ADDRESS" : L"WAIT_NOT_A_PC", {shown}));
        return ExitCode::Refused;
    }
    const int row = LocalRowFor(address, adapters, rows);
    if (row < 0) steps.Say(Text(L"WAIT_OFF_NETWORK", {shown}));

    MacAddress pc{};
    ParseMacAddress(line.mac, pc);
    WaitMachine wait;
    wait.Start(pc, line.seconds * 1000);
    SystemProbes probes;
    const bool neighbour = row >= 0 && HasNeighbourProbe();
    ProbeRounds rounds(probes, address, neighbour ? adapters[rows[static_cast<std::size_t>(row)].adapter].index : 0);
    ProbeRound round;
    MacAddress other{};
    bool otherSaid = false;
    const auto args = [&](std::uint32_t seconds) { return WaitTextArgs(wait, shown, address, seconds); };
    const auto sayOther = [&] {
        if (otherSaid || !wait.OtherDevice(other)) return;
        otherSaid = true;
        steps.Say(Text(L"WAIT_OTHER_DEVICE", args(0)));
    };

    rounds.Run(round);
    const bool send = wait.FirstProbe(round);
    sayOther();
    if (!send) {
        steps.Say(Text(wait.VerdictKey(), args(0)));
        return ExitCode::NothingToSend;
    }
    const WakeSendResult sent = SendWakePackets(line.mac, adapters, rows, row, line.every);
    SaySends(steps, sent, line, adapters, rows, row);
    if (!sent.AnySent()) return ExitCode::SendFailed;
    wait.Sent(::GetTickCount(), true);
    while (rounds.WaitForNext() && rounds.Run(round) && wait.Probe(round, ::GetTickCount())) sayOther();
    sayOther();
    const bool answered = wait.State() == WaitState::Answered;
    steps.Say(answered ? Text(wait.VerdictKey(), args(wait.FinalSeconds())) : Text(L"CLI_NO_ANSWER", args(line.seconds)));
    if (otherSaid) steps.Say(Text(L"WAIT_OTHER_DEVICE_FINAL", args(0)));
    if (answered) return ExitCode::Sent;
    return otherSaid ? ExitCode::Refused : ExitCode::NoAnswer;
}

// Where the lines go, else on the clipboard with one message to say so.
ExitCode Report(ConsoleOutput& out, bool quiet) {
    const std::wstring report = ThisPcReport(ReadCheckFacts(false), ReadLastWakeRecord());
    if (out.Available()) {
        // A line at a time: older consoles refuse one write of a long report.
        for (std::size_t start = 0, end; (end = report.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
            out.Line(report.substr(start, end - start));
        return ExitCode::Reported;
    }
    const bool copied = CopyReportWithoutWindow(report);
    if (!quiet) AfxMessageBox(Text(copied ? L"CLI_REPORT_COPIED" : L"REPORT_NOT_COPIED").c_str(), MB_OK | MB_ICONINFORMATION, 0);
    return ExitCode::Reported;
}

}  // namespace

int RunCommandLine(const std::vector<std::wstring>& args) {
    ConsoleOutput out;
    Steps steps(out);
    const CommandLine line = ParseCommandLine(args);
    // Without a console, the outcome in a window, unless none may open.
    const bool windows = !out.Available() && !AsksQuiet(args);

    if (line.errorKey || line.help) {
        if (line.errorKey) steps.Say(Text(line.errorKey, {line.errorArg}));
        SayHelp(steps);
        if (windows && line.badMac) {
            CMacErrorDlg notice;
            notice.DoModal();
        } else if (windows) {
            AfxMessageBox(steps.Said().c_str(), line.help ? MB_OK | MB_ICONINFORMATION : MB_OK, 0);
        }
        return static_cast<int>(line.help && !line.errorKey ? ExitCode::NothingToSend : ExitCode::BadCommandLine);
    }

    if (line.report) return static_cast<int>(Report(out, line.quiet));

    std::vector<Adapter> adapters;
    if (line.every || line.wait) adapters = SurveyThisPc();
    const std::vector<AdapterSubnet> rows = SubnetsOf(adapters);
    if (line.wait) {
        const ExitCode code = WakeAndWait(steps, line, adapters, rows);
        if (windows) AfxMessageBox(steps.Said().c_str(), MB_OK | MB_ICONINFORMATION, 0);
        return static_cast<int>(code);
    }
    const WakeSendResult sent = SendWakePackets(line.mac, adapters, rows, -1, line.every);
    SaySends(steps, sent, line, adapters, rows, -1);
    if (windows && sent.AnySent()) {
        CSentNoticeDlg notice;
        notice.DoModal();
    } else if (windows) {
        CSendErrorDlg notice;
        notice.DoModal();
    }
    return static_cast<int>(sent.AnySent() ? ExitCode::Sent : ExitCode::SendFailed);
}

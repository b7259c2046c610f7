#include "CommandRun.h"

#include "CommandLine.h"
#include "CommandRunPcs.h"
#include "CommandScan.h"
#include "ConsoleOutput.h"
#include "framework/COwnedWindow.h"
#include "framework/CWinApp.h"
#include "lastwake/LastWakeRecordReader.h"
#include "net/DirectedSend.h"
#include "net/Ipv4.h"
#include "net/SystemAdapterFacts.h"
#include "netcheck/CheckFactsReader.h"
#include "netcheck/ThisPcReport.h"
#include "text/AnsiText.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"
#include "wakewait/WaitPump.h"
#include "wakewait/WakeSend.h"
#include "wol/CMacErrorDlg.h"
#include "wol/CSendErrorDlg.h"
#include "wol/CSentNoticeDlg.h"

namespace {

const wchar_t* const kHelpKeys[] = {L"CLI_HELP_USAGE",  L"CLI_HELP_WAKE",  L"CLI_HELP_EVERY", L"CLI_HELP_WAIT",
                                    L"CLI_HELP_PCS",    L"CLI_HELP_TO",    L"CLI_HELP_REPORT", L"CLI_HELP_SCAN",
                                    L"CLI_HELP_QUIET",  L"CLI_HELP_EXIT"};

std::wstring Text(const wchar_t* key, const std::vector<std::wstring>& args = {}) {
    return FillArgs(LocalizedText(key), args);
}

// Says each step, and keeps what it said for a message when no console
// shows it.
class Steps final : public SayLine {
public:
    void operator()(const std::wstring& line) override { Say(line); }
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

ExitCode WaitExit(const WaitSession& wait) {
    if (wait.Refused()) return ExitCode::WrongAddress;
    switch (wait.State()) {
    case WaitState::Answered:
    case WaitState::AlreadyOn: return ExitCode::Succeeded;
    case WaitState::Failed: return ExitCode::SendFailed;
    default: return wait.SawOtherDevice() ? ExitCode::WrongAddress : ExitCode::NoAnswer;
    }
}

// The console's view of the wait: each line it says, and each send.
class ConsoleWait final : public WaitView {
public:
    ConsoleWait(Steps& steps, const CommandLine& line) : m_steps(steps), m_line(line) {}
    void Said(const std::wstring& line) override { m_steps.Say(line); }
    void Sent(const WaitSession& wait, const WakeSendResult& sent) override {
        SaySends(m_steps, sent, m_line, wait.Adapters(), wait.Subnets(), wait.SubnetRow());
    }
    void Changed(const WaitSession&) override {}

private:
    Steps& m_steps;
    const CommandLine& m_line;
};

// Wake and wait through the dialog's own pump, on this thread's messages,
// until its verdict.
ExitCode WakeAndWait(Steps& steps, const CommandLine& line, std::vector<Adapter> adapters) {
    ConsoleWait view(steps, line);
    WaitPump pump(view, line.mac, line.seconds, true, WaitSending(line));
    const COwnedWindow window = MessageOnlyWindow();
    pump.Start(window.Get(), line.target, line.targetKind, line.targetAddress, std::move(adapters), line.every);
    MSG msg{};
    while (pump.IsRunning() && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // No keys come to this thread: nothing to translate.
        if (msg.hwnd == window.Get() && pump.OnPosted(msg.message, msg.wParam, msg.lParam)) continue;
        ::DispatchMessageW(&msg);
    }
    return WaitExit(pump.Session());
}

// Where the lines go, else on the clipboard with one message to say so.
ExitCode Report(ConsoleOutput& out, bool quiet) {
    const std::wstring report = ThisPcReport(ReadCheckFacts(false), ReadLastWakeRecord());
    if (out.Available()) {
        // A line at a time: older consoles refuse one write of a long report.
        for (std::size_t start = 0, end; (end = report.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
            out.Line(report.substr(start, end - start));
        return ExitCode::Succeeded;
    }
    const bool copied = CopyReportWithoutWindow(report);
    if (!quiet) AfxMessageBox(Text(copied ? L"CLI_REPORT_COPIED" : L"REPORT_NOT_COPIED").c_str(), MB_OK | MB_ICONINFORMATION, 0);
    return ExitCode::Succeeded;
}

}  // namespace

int RunCommandLine(const std::vector<std::wstring>& args) {
    ConsoleOutput out;
    Steps steps(out);
    CommandLine line = ParseCommandLine(args);
    // Without a console, the outcome in a window, unless none may open.
    const bool windows = !out.Available() && !AsksQuiet(args);
    ExitCode saved = ExitCode::Succeeded;
    if (!line.help && RunForSavedPcs(line, steps, saved)) {
        if (windows && !steps.Said().empty()) AfxMessageBox(steps.Said().c_str(), MB_OK | MB_ICONINFORMATION, 0);
        return static_cast<int>(saved);
    }

    if (line.errorKey || line.help) {
        if (line.errorKey) steps.Say(Text(line.errorKey, {line.errorArg}));
        SayHelp(steps);
        if (windows && line.badMac) {
            CMacErrorDlg notice;
            notice.DoModal();
        } else if (windows) {
            AfxMessageBox(steps.Said().c_str(), line.help ? MB_OK | MB_ICONINFORMATION : MB_OK, 0);
        }
        return static_cast<int>(line.help && !line.errorKey ? ExitCode::Succeeded : ExitCode::BadCommandLine);
    }

    if (line.report) return static_cast<int>(Report(out, line.quiet));
    if (line.scan) return static_cast<int>(ScanCommand(out, line.quiet));

    std::vector<Adapter> adapters;
    if (line.every || line.wait) adapters = SurveyThisPc();
    if (line.wait) {
        const ExitCode code = WakeAndWait(steps, line, std::move(adapters));
        if (windows) AfxMessageBox(steps.Said().c_str(), MB_OK | MB_ICONINFORMATION, 0);
        return static_cast<int>(code);
    }
    const std::vector<AdapterSubnet> rows = SubnetsOf(adapters);
    const WakeSendResult sent = SendWakePackets(line.mac, adapters, rows, -1, line.every);
    SaySends(steps, sent, line, adapters, rows, -1);
    if (windows && sent.AnySent()) {
        CSentNoticeDlg notice;
        notice.DoModal();
    } else if (windows) {
        CSendErrorDlg notice;
        notice.DoModal();
    }
    return static_cast<int>(sent.AnySent() ? ExitCode::Succeeded : ExitCode::SendFailed);
}

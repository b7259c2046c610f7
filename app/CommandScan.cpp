#include "CommandScan.h"

#include "findpcs/ScanLines.h"
#include "findpcs/ScanRun.h"
#include "framework/CWinApp.h"
#include "netcheck/ThisPcReport.h"
#include "text/LangTexts.h"

namespace {

// The command line waits for the whole scan: nothing to tell as it goes.
class QuietListener final : public ScanListener {
public:
    void Planned(const std::vector<ScanSubnet>&, const std::vector<Adapter>&) override {}
    void Answered(const FoundDevice&) override {}
    void Progress(std::size_t, std::size_t) override {}
    void Swept(const std::vector<FoundDevice>&) override {}
    void Named(std::uint32_t, const std::wstring&) override {}
};

}  // namespace

ExitCode ScanCommand(ConsoleOutput& out, bool quiet) {
    QuietListener listener;
    const ScanResult scan = RunScan(nullptr, listener);
    if (scan.plan.empty()) {
        const std::wstring sentence = LocalizedText(L"CLI_SCAN_NO_NETWORK");
        if (out.Available()) out.Line(sentence);
        else if (!quiet) AfxMessageBox(sentence.c_str(), MB_OK | MB_ICONINFORMATION, 0);
        return ExitCode::SendFailed;
    }
    const std::vector<std::wstring> lines = ScanLines(scan.plan, scan.adapters, scan.found);
    if (out.Available()) {
        for (const std::wstring& line : lines) out.Line(line);
        return ExitCode::Succeeded;
    }
    std::wstring text;
    for (const std::wstring& line : lines) {
        text += line;
        text += L"\r\n";
    }
    const bool copied = CopyReportWithoutWindow(text);
    if (!quiet) AfxMessageBox(LocalizedText(copied ? L"CLI_SCAN_COPIED" : L"REPORT_NOT_COPIED").c_str(), MB_OK | MB_ICONINFORMATION, 0);
    return ExitCode::Succeeded;
}

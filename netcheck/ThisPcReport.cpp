#include "ThisPcReport.h"

#include "CheckReport.h"
#include "controls/ClipboardText.h"
#include "framework/COwnedWindow.h"
#include "framework/WindowsVersion.h"
#include "lastwake/LocalTimeText.h"
#include "res/version.h"
#include "text/LangTexts.h"

std::wstring ThisPcReport(const CheckFacts& facts, const LastWakeRecord& last) {
    const ReportOrigin origin{L"" QUORVANE_VERSION_TEXT, WindowsVersion(), WindowsBuild()};
    return BuildReport(origin, facts, last, {&LocalTimeText, &LocalizedText});
}

bool CopyReportWithoutWindow(const std::wstring& report) {
    // The clipboard keeps the text when the window goes: it owns the block.
    const COwnedWindow window = MessageOnlyWindow();
    return window.IsSet() && WriteClipboardText(window.Get(), report);
}

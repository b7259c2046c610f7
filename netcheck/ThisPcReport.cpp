#include "ThisPcReport.h"

#include "CheckReport.h"
#include "controls/ClipboardText.h"
#include "framework/WindowsVersion.h"
#include "lastwake/LocalTimeText.h"
#include "res/version.h"
#include "text/LangTexts.h"

std::wstring ThisPcReport(const CheckFacts& facts, const LastWakeRecord& last) {
    const ReportOrigin origin{L"" QUORVANE_VERSION_TEXT, WindowsVersion(), WindowsBuild()};
    return BuildReport(origin, facts, last, {&LocalTimeText, &LocalizedText});
}

bool CopyReportWithoutWindow(const std::wstring& report) {
    const HWND window = ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!window) return false;
    const bool copied = WriteClipboardText(window, report);
    ::DestroyWindow(window);  // the clipboard keeps the text: it owns the block
    return copied;
}

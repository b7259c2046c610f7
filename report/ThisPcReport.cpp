#include "ThisPcReport.h"

#include "CheckReport.h"
#include "controls/ClipboardText.h"
#include "framework/COwnedWindow.h"
#include "framework/WindowsVersion.h"
#include "lastwake/EventLogReader.h"
#include "lastwake/FirmwareWakeUpReader.h"
#include "lastwake/LocalTimeText.h"
#include "res/version.h"
#include "text/LangTexts.h"

std::wstring ThisPcReport(const CheckFacts& facts, const LastWakeRecord& last) {
    const ReportOrigin origin{L"" QUORVANE_VERSION_TEXT, WindowsVersion(), WindowsBuild()};
    return BuildReport(origin, facts, last, {&LocalTimeText, &LocalizedText});
}

LastWakeRecord ReadLastWakeRecord() {
    LastWakeRecord record;
    record.wake = ReadLastWake();
    record.start = ReadLastStart();
    record.wakeUpType = ReadFirmwareWakeUpType();
    return record;
}

bool CopyReportWithoutWindow(const std::wstring& report) {
    // The clipboard keeps the text when the window goes: it owns the block.
    const COwnedWindow window(
        ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
    return window.IsSet() && WriteClipboardText(window.Get(), report);
}

#pragma once
// The report of this PC in the user's language, with this program's version
// and Windows' own (RtlGetVersion), and the clipboard it is handed over on.
#include <string>

#include "lastwake/LastTimeFindings.h"
#include "CheckFacts.h"

std::wstring ThisPcReport(const CheckFacts& facts, const LastWakeRecord& last);

// On the clipboard, owned by a message-only window of its own: the command
// line has no window to own it.
bool CopyReportWithoutWindow(const std::wstring& report);

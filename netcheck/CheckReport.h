#pragma once
// The report of everything the check read, as plain text for someone who
// helps: a line with the format's version, then one fact a line, each
// beginning with the fact's own untranslated name and a tab. Lines that
// begin with "#" are headings in the user's language, and the findings
// carry their language key before their text, so that a report in any
// language reads back to the same facts. It holds MAC and IP addresses and
// adapter names, and nothing of the user or of other PCs. Platform-free.
#include <string>

#include "lastwake/LastTimeFindings.h"
#include "CheckFacts.h"

constexpr unsigned kReportFormat = 1;

struct ReportOrigin {
    std::wstring program;  // this program's version
    unsigned windows = 0;  // major * 0x100 + minor; 0 where unknown
    unsigned build = 0;
};

// Lines end with CR LF, the last one too.
std::wstring BuildReport(const ReportOrigin& origin, const CheckFacts& facts, const LastWakeRecord& last,
                         const LastTimeWords& words);

#pragma once
// One line of comma-separated values with RFC 4180 quoting. A field never
// holds a line break here: each line stands alone, so an unterminated quote
// spoils only its own line. Platform-free.
#include <string>
#include <vector>

// False for a quote left open or text after a closing quote.
bool SplitCsvLine(const std::wstring& line, std::vector<std::wstring>& fields);

// Quotes a field only where it must (a comma, a quote, a line break).
std::wstring JoinCsvLine(const std::vector<std::wstring>& fields);

#include "CsvLine.h"

bool SplitCsvLine(const std::wstring& line, std::vector<std::wstring>& fields) {
    fields.assign(1, std::wstring());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const wchar_t c = line[i];
        if (c == L',') {
            fields.emplace_back();
        } else if (c == L'"' && fields.back().empty() && (i == 0 || line[i - 1] == L',')) {
            // A quoted field: "" is a quote, and only a comma or the end follows it.
            for (++i;; ++i) {
                if (i >= line.size()) return false;
                if (line[i] != L'"') {
                    fields.back() += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == L'"') {
                    fields.back() += L'"';
                    ++i;
                } else {
                    break;
                }
            }
            if (i + 1 < line.size() && line[i + 1] != L',') return false;
        } else {
            // A quote inside an unquoted field is taken as it stands, as spreadsheets do.
            fields.back() += c;
        }
    }
    return true;
}

std::wstring JoinCsvLine(const std::vector<std::wstring>& fields) {
    std::wstring line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += L',';
        const std::wstring& field = fields[i];
        if (field.find_first_of(L",\"\r\n") == std::wstring::npos) {
            line += field;
            continue;
        }
        line += L'"';
        for (const wchar_t c : field) line += c == L'"' ? std::wstring(L"\"\"") : std::wstring(1, c);
        line += L'"';
    }
    return line;
}

#include "PcList.h"

#include <algorithm>

#include "CsvLine.h"
#include "PcFields.h"
#include "net/MacAddress.h"
#include "text/Trimmed.h"
#include "text/Utf8.h"

namespace {

const wchar_t* const kColumns[6] = {L"Name", L"MAC", L"Address", L"Destination", L"Port", L"Password"};
const char kBom[] = "\xEF\xBB\xBF";

std::wstring FieldAt(const std::vector<std::wstring>& fields, int column) {
    return column >= 0 && static_cast<std::size_t>(column) < fields.size() ? Trimmed(fields[column], L" \t") : std::wstring();
}

bool AllEmpty(const std::vector<std::wstring>& fields) {
    for (const std::wstring& field : fields)
        if (!Trimmed(field, L" \t").empty()) return false;
    return true;
}

}  // namespace

PcList::PcList() {
    for (int i = 0; i < 6; ++i) {
        m_column[i] = i;
        m_header.push_back(kColumns[i]);
    }
    m_lines.push_back(Line{EncodeUtf8(JoinCsvLine(m_header)), "", -1, {}});
}

PcList PcList::Read(const std::string& file) {
    PcList list;
    const bool bom = file.compare(0, 3, kBom) == 0;
    const std::size_t start = bom ? 3 : 0;
    if (file.size() <= start) return list;  // empty: the usual columns, written with the first PC
    list.m_bom = bom;
    list.m_lines.clear();
    list.m_tooLong = file.size() > kMaxListBytes;
    const std::size_t end = list.m_tooLong ? kMaxListBytes : file.size();
    std::vector<std::wstring> names;
    for (std::size_t from = start; from < end;) {
        std::size_t next = file.find('\n', from);
        if (next == std::string::npos || next >= end) next = end;
        std::string bytes = file.substr(from, next - from);
        std::string lineBreak = next < end ? "\n" : "";
        if (!bytes.empty() && bytes.back() == '\r') {
            // A last line cut after its CR keeps the CR as its break, so that a line added after it reads the same.
            bytes.pop_back();
            lineBreak = "\r" + lineBreak;
        }
        if (list.m_lines.empty()) list.m_break = lineBreak.size() == 1 && lineBreak[0] == '\n' ? "\n" : "\r\n";
        if (list.m_pcs.size() >= kMaxListPcs) {
            list.m_tooLong = true;
            break;
        }
        list.ReadLine(std::move(bytes), lineBreak, names);
        from = next + 1;
    }
    list.m_tail = list.m_lines.back().lineBreak;
    return list;
}

void PcList::ReadLine(std::string bytes, std::string lineBreak, std::vector<std::wstring>& names) {
    const std::size_t number = m_lines.size() + 1;
    Line line{std::move(bytes), std::move(lineBreak), -1, {}};
    if (m_lines.empty()) {
        ReadHeader(line.bytes);
    } else {
        std::wstring text;
        SavedPc pc;
        const bool blank = line.bytes.find_first_not_of(" \t\r") == std::string::npos;
        const bool decoded = !blank && m_headerRead && line.bytes.size() <= kMaxLineBytes && DecodeUtf8(line.bytes, text);
        bool read = decoded && ReadPc(text, pc, line.fields);
        std::wstring folded = read ? FoldedPcName(pc.name) : std::wstring();
        const auto at = std::lower_bound(names.begin(), names.end(), folded);
        read = read && (at == names.end() || *at != folded);  // the first of two with one name is the one read
        if (read) {
            line.pc = static_cast<int>(m_pcs.size());
            names.insert(at, std::move(folded));
            m_pcs.push_back(pc);
        } else if (!blank && !(decoded && SplitCsvLine(text, line.fields) && AllEmpty(line.fields))) {
            m_unreadable.push_back(number);
        }
    }
    m_lines.push_back(std::move(line));
}

void PcList::ReadHeader(const std::string& bytes) {
    std::wstring text;
    m_header.clear();
    m_headerRead = bytes.size() <= kMaxLineBytes && DecodeUtf8(bytes, text) && SplitCsvLine(text, m_header);
    for (int k = 0; k < 6; ++k) {
        m_column[k] = -1;
        for (std::size_t i = 0; i < m_header.size() && m_headerRead; ++i)
            if (m_column[k] < 0 && SamePcName(Trimmed(m_header[i], L" \t"), kColumns[k])) m_column[k] = static_cast<int>(i);
    }
    // Without a name and an address no line is a PC: such a file is not this list.
    if (m_column[0] < 0 || m_column[1] < 0) m_headerRead = false;
    if (!m_headerRead) m_unreadable.push_back(1);
}

bool PcList::ReadPc(const std::wstring& text, SavedPc& pc, std::vector<std::wstring>& fields) const {
    if (!SplitCsvLine(text, fields)) return false;
    pc.name = FieldAt(fields, m_column[0]);
    pc.address = FieldAt(fields, m_column[2]);
    pc.destination = FieldAt(fields, m_column[3]);
    pc.password = FieldAt(fields, m_column[5]);
    const std::wstring port = FieldAt(fields, m_column[4]);
    const wchar_t* key = nullptr;
    return MacArgument(FieldAt(fields, m_column[1]), pc.mac) && (port.empty() || ParsePort(port, pc.port)) &&
           FindBadField(pc, key) == PcField::None;
}

std::string PcList::Write() const {
    std::string file = m_bom ? kBom : "";
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        file += m_lines[i].bytes;
        if (i + 1 == m_lines.size())
            file += m_tail;
        else
            file += m_lines[i].lineBreak.empty() || m_lines[i].lineBreak == "\r" ? m_break : m_lines[i].lineBreak;
    }
    return file;
}

int PcList::Find(const std::wstring& name) const {
    for (std::size_t i = 0; i < m_pcs.size(); ++i)
        if (SamePcName(m_pcs[i].name, name)) return static_cast<int>(i);
    return -1;
}

int PcList::LineOf(std::size_t pc) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].pc == static_cast<int>(pc)) return static_cast<int>(i);
    return -1;
}

void PcList::WriteFields(Line& line, const SavedPc& pc) {
    const std::wstring values[6] = {pc.name,        FormatMacDisplay(pc.mac),
                                    pc.address,     pc.destination,
                                    PortText(pc.port), pc.password};
    bool headerGrew = false;
    for (int k = 0; k < 6; ++k) {
        if (m_column[k] < 0 && values[k].empty()) continue;
        if (m_column[k] < 0) {
            // A column the file lacks goes after the others; older lines simply end before it.
            m_column[k] = static_cast<int>(m_header.size());
            m_header.push_back(kColumns[k]);
            headerGrew = true;
        }
        if (line.fields.size() <= static_cast<std::size_t>(m_column[k])) line.fields.resize(m_column[k] + 1);
        line.fields[m_column[k]] = values[k];
    }
    line.bytes = EncodeUtf8(JoinCsvLine(line.fields));
    if (headerGrew) m_lines.front().bytes = EncodeUtf8(JoinCsvLine(m_header));
}

bool PcList::Add(const SavedPc& pc) {
    if (Find(pc.name) >= 0) return false;
    Line line;
    line.pc = static_cast<int>(m_pcs.size());
    m_pcs.push_back(pc);
    WriteFields(line, pc);
    m_lines.push_back(std::move(line));
    return true;
}

bool PcList::Replace(std::size_t index, const SavedPc& pc) {
    const int other = Find(pc.name);
    if (other >= 0 && static_cast<std::size_t>(other) != index) return false;
    m_pcs[index] = pc;
    WriteFields(m_lines[LineOf(index)], pc);
    return true;
}

void PcList::Remove(std::size_t index) {
    const int at = LineOf(index);
    m_lines.erase(m_lines.begin() + at);
    m_pcs.erase(m_pcs.begin() + static_cast<std::ptrdiff_t>(index));
    for (Line& line : m_lines)
        if (line.pc > static_cast<int>(index)) --line.pc;
    // The numbers of unreadable lines after it move up by one.
    for (std::size_t& number : m_unreadable)
        if (number > static_cast<std::size_t>(at) + 1) --number;
}

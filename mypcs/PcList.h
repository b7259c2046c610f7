#pragma once
// The saved list's file: UTF-8 with a byte-order mark, one PC a line, the
// first line naming the columns (Name, MAC, Address, Destination, Port,
// Password, in any order and case). Every line the program cannot read, and
// every column it does not know, is kept where it stands and written back
// byte for byte; so is each line's own line break and the file's last one.
// Platform-free.
#include <cstddef>
#include <string>
#include <vector>

#include "SavedPc.h"

constexpr std::size_t kMaxListBytes = 4 * 1024 * 1024;  // read whole; past it, shown and never written
constexpr std::size_t kMaxListPcs = 20000;
constexpr std::size_t kMaxLineBytes = 16 * 1024;      // a longer line is kept, unread

class PcList {
public:
    PcList();  // an empty list with the usual columns
    // `bytes`: the file, or its first kMaxListBytes + 1 bytes.
    static PcList Read(const std::string& bytes);
    std::string Write() const;

    const std::vector<SavedPc>& Pcs() const { return m_pcs; }
    // The file's line numbers (1 = the first line) that hold no PC it could read.
    const std::vector<std::size_t>& UnreadableLines() const { return m_unreadable; }
    // Past the caps, or the first line could not be read: shown, never written.
    bool TooLong() const { return m_tooLong; }
    bool Writable() const { return !m_tooLong && m_headerRead; }

    // The PC of that name, without case; -1 when none.
    int Find(const std::wstring& name) const;
    // False where another PC has the name already.
    bool Add(const SavedPc& pc);
    bool Replace(std::size_t index, const SavedPc& pc);
    void Remove(std::size_t index);

private:
    struct Line {
        std::string bytes;  // as read, without the line break
        std::string lineBreak;
        int pc = -1;        // the index into m_pcs, or -1
        std::vector<std::wstring> fields;
    };

    // `names`: the names read so far, folded and sorted.
    void ReadLine(std::string bytes, std::string lineBreak, std::vector<std::wstring>& names);
    void ReadHeader(const std::string& bytes);
    bool ReadPc(const std::wstring& text, SavedPc& pc, std::vector<std::wstring>& fields) const;
    void WriteFields(Line& line, const SavedPc& pc);
    int LineOf(std::size_t pc) const;

    bool m_bom = true;
    std::string m_break = "\r\n";  // for new lines: the file's first
    std::string m_tail = "\r\n";   // after the last line
    bool m_headerRead = true;
    bool m_tooLong = false;
    std::vector<std::wstring> m_header;
    int m_column[6];               // Name, MAC, Address, Destination, Port, Password; -1 when absent
    std::vector<Line> m_lines;     // the header first
    std::vector<SavedPc> m_pcs;
    std::vector<std::size_t> m_unreadable;
};

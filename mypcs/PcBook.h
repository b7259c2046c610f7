#pragma once
// The saved list and its file together: read when asked, and written only
// for a change the user made, never over a file that another program changed
// since it was read. Platform-free.
#include <string>
#include <vector>

#include "PcFileStore.h"
#include "PcList.h"

enum class PcChange {
    Saved,
    NameTaken,    // another PC has the name: nothing written
    ReadAgain,    // the file changed meanwhile: read again, the change not made
    NotWritable,  // the file is past the caps, or not this list: nothing written
    WriteFailed,  // the old file stands as it was
};

class PcBook {
public:
    explicit PcBook(PcFileStore& store) : m_store(store) {}
    PcBook(const PcBook&) = delete;
    PcBook& operator=(const PcBook&) = delete;

    // False when the file exists but could not be read: the list is then
    // empty and refuses every change, so that nothing can replace the file.
    bool Load();
    const PcList& List() const { return m_list; }
    bool Missing() const { return m_missing; }

    PcChange Add(const SavedPc& pc);
    PcChange Edit(std::size_t index, const SavedPc& pc);
    // Several at once, in one write; `indices` in any order.
    PcChange Remove(const std::vector<std::size_t>& indices);

private:
    // Writes the changed m_list, or reads it back from m_read when it may not be written.
    PcChange Commit();

    PcFileStore& m_store;
    PcList m_list;
    std::string m_read;  // the bytes the list was read from
    bool m_missing = true;
    bool m_failed = false;
};

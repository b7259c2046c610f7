#include "PcBook.h"

bool PcBook::Load() {
    std::string bytes;
    const PcFileStore::Read read = m_store.ReadList(bytes, kMaxListBytes + 1);
    m_missing = read == PcFileStore::Read::Missing;
    m_failed = read == PcFileStore::Read::Failed;
    m_read = read == PcFileStore::Read::Found ? bytes : std::string();
    m_list = PcList::Read(m_read);
    return !m_failed;
}

PcChange PcBook::Add(const SavedPc& pc) {
    return m_list.Add(pc) ? Commit() : PcChange::NameTaken;
}

PcChange PcBook::Edit(std::size_t index, const SavedPc& pc) {
    if (index >= m_list.Pcs().size()) return PcChange::ReadAgain;
    return m_list.Replace(index, pc) ? Commit() : PcChange::NameTaken;
}

PcChange PcBook::Remove(const std::vector<std::size_t>& indices) {
    std::vector<char> chosen(m_list.Pcs().size());
    for (const std::size_t index : indices) {
        if (index >= chosen.size()) return PcChange::ReadAgain;
        chosen[index] = 1;
    }
    // From the last, so that the indices still to remove stay where they are.
    for (std::size_t index = chosen.size(); index-- > 0;)
        if (chosen[index]) m_list.Remove(index);
    return Commit();
}

PcChange PcBook::Commit() {
    PcChange change = PcChange::NotWritable;
    if (!m_failed && m_list.Writable()) {
        std::string now;
        const PcFileStore::Read read = m_store.ReadList(now, kMaxListBytes + 1);
        const bool same = read == PcFileStore::Read::Missing ? m_missing
                                                             : read == PcFileStore::Read::Found && !m_missing && now == m_read;
        if (!same) {
            Load();
            return PcChange::ReadAgain;
        }
        const std::string bytes = m_list.Write();
        change = m_store.ReplaceList(bytes) ? PcChange::Saved : PcChange::WriteFailed;
        if (change == PcChange::Saved) {
            m_read = bytes;
            m_missing = false;
        }
    }
    // The list as the file now holds it: the change written, or none of it.
    m_list = PcList::Read(m_read);
    return change;
}

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
    PcList changed = m_list;
    return changed.Add(pc) ? Commit(changed) : PcChange::NameTaken;
}

PcChange PcBook::Edit(std::size_t index, const SavedPc& pc) {
    PcList changed = m_list;
    if (index >= changed.Pcs().size()) return PcChange::ReadAgain;
    return changed.Replace(index, pc) ? Commit(changed) : PcChange::NameTaken;
}

PcChange PcBook::Remove(const std::vector<std::size_t>& indices) {
    PcList changed = m_list;
    std::vector<bool> chosen(changed.Pcs().size());
    for (const std::size_t index : indices) {
        if (index >= chosen.size()) return PcChange::ReadAgain;
        chosen[index] = true;
    }
    // From the last, so that the indices still to remove stay where they are.
    for (std::size_t index = chosen.size(); index-- > 0;)
        if (chosen[index]) changed.Remove(index);
    return Commit(changed);
}

PcChange PcBook::Commit(const PcList& changed) {
    if (m_failed || !m_list.Writable()) return PcChange::NotWritable;
    std::string now;
    const PcFileStore::Read read = m_store.ReadList(now, kMaxListBytes + 1);
    const bool same = read == PcFileStore::Read::Missing ? m_missing
                                                         : read == PcFileStore::Read::Found && !m_missing && now == m_read;
    if (!same) {
        Load();
        return PcChange::ReadAgain;
    }
    const std::string bytes = changed.Write();
    if (!m_store.ReplaceList(bytes)) return PcChange::WriteFailed;
    m_list = PcList::Read(bytes);
    m_read = bytes;
    m_missing = false;
    return PcChange::Saved;
}

#include "PcScanBook.h"

#include "PcFields.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"

std::wstring PcChangeSentence(PcChange change, const std::wstring& name) {
    switch (change) {
    case PcChange::Saved: return FillArgs(LocalizedText(L"PCS_SAVED"), {name});
    case PcChange::NameTaken: return FillArgs(LocalizedText(L"PCS_NAME_TAKEN"), {name});
    case PcChange::ReadAgain: return LocalizedText(L"PCS_READ_AGAIN");
    case PcChange::NotWritable: return LocalizedText(L"PCS_NOT_WRITABLE");
    default: return LocalizedText(L"PCS_WRITE_FAILED");
    }
}

std::wstring PcScanBook::SavedNameOf(const MacAddress& mac) const {
    for (const SavedPc& pc : m_book.List().Pcs())
        if (pc.mac == mac) return pc.name;
    return std::wstring();
}

std::wstring PcScanBook::Save(const std::vector<PcToSave>& pcs) {
    PcChange change = PcChange::Saved;
    std::wstring names;
    // One at a time through the same rules, so that a name already taken is said, not lost.
    for (const PcToSave& pc : pcs) {
        change = m_book.Add(SavedPc{pc.name, pc.mac, pc.address, L"", 0, L""});
        if (change != PcChange::Saved) return PcChangeSentence(change, pc.name);
        AddToList(names, pc.name);
    }
    return PcChangeSentence(change, names);
}

#pragma once
// The scan's view of the saved list: "Add to My PCs" saves through the same
// file rules as My PCs' own Add. Platform-free.
#include "PcBook.h"
#include "findpcs/SavedPcBook.h"

class PcScanBook final : public SavedPcBook {
public:
    explicit PcScanBook(PcBook& book) : m_book(book) {}
    std::wstring SavedNameOf(const MacAddress& mac) const override;
    std::wstring Save(const std::vector<PcToSave>& pcs) override;

private:
    PcBook& m_book;
};

// The sentence for the outcome of a change; `name` the PC it was about.
std::wstring PcChangeSentence(PcChange change, const std::wstring& name);

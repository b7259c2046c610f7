#pragma once
// What the scan's window needs of the saved list of PCs, which lives in the
// window above it: the names already saved, and saving the rows picked.
// Platform-free.
#include <string>
#include <vector>

#include "net/MacAddress.h"

struct PcToSave {
    std::wstring name;     // the device's name, else its address
    MacAddress mac{};
    std::wstring address;  // dotted IPv4
};

class SavedPcBook {
public:
    // The saved name of the PC with this MAC address; empty when none is.
    virtual std::wstring SavedNameOf(const MacAddress& mac) const = 0;
    // Saves these PCs at once (written to the file before it returns) and
    // returns the sentence the scan's status line shows: saved, or why not.
    virtual std::wstring Save(const std::vector<PcToSave>& pcs) = 0;

protected:
    ~SavedPcBook() = default;
};

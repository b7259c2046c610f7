// The saved list's reader over any file: what it read it writes back byte
// for byte, and a PC added then removed leaves the file as it was, with the
// list read again the same as the list changed.
#include <string>

#include "FuzzInput.h"
#include "mypcs/PcList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    PcList list = PcList::Read(file);
    if (!list.Writable() || file.empty() || file == "\xEF\xBB\xBF") return 0;
    FUZZ_CHECK(list.Write() == file);

    // Only the columns every readable file has: a missing column would be added to the first line.
    const SavedPc added{L"fuzz-pc-\x00E9", {0x02, 0, 0, 0, 0, 1}, L"", L"", 0, L""};
    if (list.Find(added.name) >= 0) return 0;
    const std::size_t before = list.Pcs().size();
    FUZZ_CHECK(list.Add(added));
    const PcList again = PcList::Read(list.Write());
    FUZZ_CHECK(again.Pcs() == list.Pcs() && again.UnreadableLines() == list.UnreadableLines());
    list.Remove(before);
    FUZZ_CHECK(list.Write() == file);
    return 0;
}

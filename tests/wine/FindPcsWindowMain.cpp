// Opens the scan's window as My PCs does, over a list of saved PCs that
// writes each PC saved as a line "name<TAB>MAC<TAB>address" to the file
// named by the first argument; in the language section named by the second
// (ENGLISH.BRVT) where one is given, else with the texts' keys.
#include <cstdio>

#include "findpcs/FindPcs.h"
#include "net/MacAddress.h"
#include "WineTestSupport.h"
#include "text/AnsiText.h"

namespace {

class FileBook final : public SavedPcBook {
public:
    explicit FileBook(const wchar_t* path) : m_path(path) {}
    std::wstring SavedNameOf(const MacAddress&) const override { return std::wstring(); }
    std::wstring Save(const std::vector<PcToSave>& pcs) override {
        FILE* file = _wfopen(m_path, L"ab");
        if (!file) return L"not saved";
        for (const PcToSave& pc : pcs) {
            const std::wstring line = pc.name + L"\t" + FormatMacDisplay(pc.mac) + L"\t" + pc.address + L"\n";
            std::fputs(ToAnsi(line).c_str(), file);
        }
        std::fclose(file);
        return L"saved";
    }

private:
    const wchar_t* m_path;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    if (argc > 2) UseLanguage(argv[2]);
    FileBook book(argv[1]);
    ShowFindPcs(nullptr, book);
    return 0;
}

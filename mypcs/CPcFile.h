#pragma once
// The saved list on this PC: %APPDATA%\Quorvane\PCs.csv, the only file the
// program writes of its own.
#include <string>

#include "PcFileStore.h"

class CPcFile final : public PcFileStore {
public:
    CPcFile();
    Read ReadList(std::string& bytes, std::size_t limit) override;
    bool ReplaceList(const std::string& bytes) override;
    // Empty when the application data folder is unknown.
    const std::wstring& Path() const { return m_strPath; }

private:
    std::wstring m_strFolder;
    std::wstring m_strPath;
};

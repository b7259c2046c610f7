#include "CPcFile.h"

#include <windows.h>

#include "framework/CHandle.h"
#include "framework/SystemLibrary.h"

namespace {

constexpr int kAppDataFolder = 0x001A;  // CSIDL_APPDATA

using GetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);

// Shell32 has it from Windows XP (and 2000 with a later shell); Windows 2000
// itself ships it in shfolder.dll.
std::wstring AppDataFolder() {
    GetFolderPath get = FindSystemProc<GetFolderPath>(L"shell32.dll", "SHGetFolderPathW");
    if (!get) get = FindSystemProc<GetFolderPath>(L"shfolder.dll", "SHGetFolderPathW");
    wchar_t path[MAX_PATH] = {};
    if (!get || FAILED(get(nullptr, kAppDataFolder, nullptr, 0, path)) || !path[0]) return std::wstring();
    return path;
}

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
    CFileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                   nullptr));
    if (!file.IsSet()) return false;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(bytes.size());
    const bool wrote = size == 0 || (::WriteFile(file.Get(), bytes.data(), size, &written, nullptr) && written == size);
    // Flushed before the move, so that a power cut leaves the old file or the whole new one.
    return wrote && ::FlushFileBuffers(file.Get()) && file.Reset();
}

}  // namespace

CPcFile::CPcFile() : m_strFolder(AppDataFolder()) {
    if (m_strFolder.empty()) return;
    m_strFolder += L"\\Quorvane";
    m_strPath = m_strFolder + L"\\PCs.csv";
}

PcFileStore::Read CPcFile::ReadList(std::string& bytes, std::size_t limit) {
    bytes.clear();
    if (m_strPath.empty()) return Read::Missing;
    CFileHandle file(::CreateFileW(m_strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsSet()) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Read::Missing : Read::Failed;
    }
    char chunk[65536];
    while (bytes.size() < limit) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(sizeof chunk, limit - bytes.size()));
        if (!::ReadFile(file.Get(), chunk, want, &got, nullptr)) return Read::Failed;
        if (got == 0) break;
        bytes.append(chunk, got);
    }
    return Read::Found;
}

bool CPcFile::ReplaceList(const std::string& bytes) {
    if (m_strPath.empty()) return false;
    ::CreateDirectoryW(m_strFolder.c_str(), nullptr);  // there already, mostly
    const std::wstring fresh = m_strPath + L".new";
    if (!WriteWhole(fresh, bytes) ||
        !::MoveFileExW(fresh.c_str(), m_strPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(fresh.c_str());
        return false;
    }
    return true;
}

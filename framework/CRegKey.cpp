#include "CRegKey.h"

namespace {
constexpr DWORD kFirstValueBytes = 256;
constexpr DWORD kLargestValueBytes = 64 * 1024;
constexpr DWORD kLongestKeyName = 255;
}  // namespace

bool CRegKey::Open(HKEY parent, const std::wstring& path) {
    Close();
    HKEY key = nullptr;
    if (::RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    m_key.Reset(key);
    return true;
}

bool CRegKey::SubkeyName(DWORD index, std::wstring& name) const {
    wchar_t buffer[kLongestKeyName + 1] = {};
    DWORD length = kLongestKeyName + 1;
    if (::RegEnumKeyExW(Get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    name.assign(buffer, length <= kLongestKeyName ? length : 0);
    return true;
}

bool CRegKey::RawValue(const wchar_t* name, DWORD& type, std::vector<unsigned char>& bytes) const {
    DWORD size = kFirstValueBytes;
    bytes.assign(size, 0);
    LONG result = ::RegQueryValueExW(Get(), name, nullptr, &type, bytes.data(), &size);
    if (result == ERROR_MORE_DATA && size <= kLargestValueBytes) {
        bytes.assign(size, 0);
        result = ::RegQueryValueExW(Get(), name, nullptr, &type, bytes.data(), &size);
    }
    if (result != ERROR_SUCCESS || size > bytes.size()) return false;
    bytes.resize(size);
    return true;
}

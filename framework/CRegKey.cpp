#include "CRegKey.h"

#include "GrowingQuery.h"

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

RegistryValue CRegKey::Value(const wchar_t* name) const {
    RegistryValue value;
    if (!m_key.IsSet()) return value;
    DWORD size = 0, type = 0;
    const ULONG result = QueryGrowing(value.bytes, kFirstValueBytes, 1, [&](unsigned char* data, ULONG* room) -> ULONG {
        size = *room;
        const LONG answer = ::RegQueryValueExW(Get(), name, nullptr, &type, data, &size);
        // A larger value is not read at all.
        if (answer != ERROR_MORE_DATA || size > kLargestValueBytes) return static_cast<ULONG>(answer);
        *room = size;
        return ERROR_INSUFFICIENT_BUFFER;
    });
    if (result != ERROR_SUCCESS || size > value.bytes.size()) return RegistryValue();
    value.bytes.resize(size);
    value.type = type;
    value.present = true;
    return value;
}

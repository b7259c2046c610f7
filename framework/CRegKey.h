#pragma once
// A registry key opened for reading only, closed by its owner; move-only.
#include <windows.h>

#include <string>
#include <vector>

class CRegKey {
public:
    CRegKey() = default;
    CRegKey(CRegKey&& other) noexcept : m_hKey(other.m_hKey) { other.m_hKey = nullptr; }
    CRegKey& operator=(CRegKey&& other) noexcept;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    ~CRegKey() { Close(); }

    // KEY_READ on this one key: the least a read needs, no elevation.
    bool Open(HKEY parent, const std::wstring& path);
    void Close();
    HKEY Get() const { return m_hKey; }

    // The name of the subkey at `index`; false past the last.
    bool SubkeyName(DWORD index, std::wstring& name) const;

    // A value's type and bytes, of any type, up to 64 KB; false when it is
    // absent, unreadable or larger.
    bool RawValue(const wchar_t* name, DWORD& type, std::vector<unsigned char>& bytes) const;

private:
    HKEY m_hKey = nullptr;
};

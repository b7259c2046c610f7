#pragma once
// A registry key opened for reading only, closed by its owner; move-only.
#include <windows.h>

#include <string>

#include "COwned.h"
#include "core/RegistryValue.h"

struct RegKeyKind {
    using Handle = HKEY;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle key) { return ::RegCloseKey(key) == ERROR_SUCCESS; }
};

class CRegKey {
public:
    // KEY_READ on this one key: the least a read needs, no elevation.
    bool Open(HKEY parent, const std::wstring& path);
    void Close() { m_key.Reset(); }
    HKEY Get() const { return m_key.Get(); }

    // The name of the subkey at `index`; false past the last.
    bool SubkeyName(DWORD index, std::wstring& name) const;

    // A value's type and bytes, of any type, up to 64 KB; not present when
    // it is absent, unreadable or larger, or the key is not open.
    RegistryValue Value(const wchar_t* name) const;
    // Its number and its text, as RegistryValue decodes them.
    RegNumber QueryNumber(const wchar_t* name) const { return Value(name).Number(); }
    std::wstring QueryText(const wchar_t* name) const { return Value(name).Text(); }

private:
    COwned<RegKeyKind> m_key;
};

#pragma once
// Registry values as the registry holds them, and the one decoder of the
// numbers and texts they hold, whoever read them. Platform-free.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// REG_SZ, REG_EXPAND_SZ, REG_DWORD
constexpr unsigned long kRegSz = 1, kRegExpandSz = 2, kRegDword = 4;

// A number as the registry held it: absent, unreadable and of a type that
// holds no number all read as not present.
struct RegNumber {
    bool present = false;
    std::uint32_t value = 0;
};

// A registry value's text: REG_SZ or REG_EXPAND_SZ, up to its first NUL,
// whether or not it was stored with one; empty for every other type.
std::wstring RegistryText(unsigned long type, const unsigned char* bytes, std::size_t size);

// A registry value's number: REG_DWORD of exactly four bytes, or decimal
// digits stored as text (REG_SZ, REG_EXPAND_SZ), with or without their
// terminator. Not present for every other type, size or text.
RegNumber RegistryNumber(unsigned long type, const unsigned char* bytes, std::size_t size);

// One value as it was read: its type and bytes, where it was there at all.
struct RegistryValue {
    bool present = false;  // false where absent or unreadable
    unsigned long type = 0;
    std::vector<unsigned char> bytes;

    RegNumber Number() const { return RegistryNumber(type, bytes.data(), bytes.size()); }
    std::wstring Text() const { return RegistryText(type, bytes.data(), bytes.size()); }
};

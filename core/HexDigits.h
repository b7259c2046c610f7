#pragma once
// The hexadecimal digits every text of this program is written and read
// with, and its one rule for upper case. Platform-free.

// Upper-case digits, as MAC addresses are shown and typed.
constexpr char kHexDigits[] = "0123456789ABCDEF";

// a-z upper-cased; every other character stays as it is.
template <class Char>
constexpr Char AsciiUpper(Char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<Char>(c - 'a' + 'A') : c;
}

// The value of an upper-case hex digit; -1 for every other character.
template <class Char>
constexpr int HexDigitValue(Char c) {
    for (int v = 0; v < 16; ++v)
        if (c == static_cast<Char>(kHexDigits[v])) return v;
    return -1;
}

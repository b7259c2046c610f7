#pragma once
// A network card's hardware address: its six bytes and the texts it is
// written in. Platform-free.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::size_t kMacBytes = 6;

using MacAddress = std::array<std::uint8_t, kMacBytes>;  // compares with ==

// The first six of `count` reported bytes, zeros where fewer exist.
MacAddress MacFromBytes(const std::uint8_t* bytes, std::size_t count);

// Decodes hexadecimal MAC text (ANSI) into at most `capacity` bytes and
// returns how many were written. Spaces, "-" and ":" are dropped wherever
// they stand, then one leading "0x"/"0X" is skipped; digits pair by position
// and decoding stops at the first character that is not a hex digit. A digit
// without a partner is dropped. Text past the first 127 characters that are
// kept is ignored.
int ParseMacText(std::uint8_t* out, std::size_t capacity, const char* text);

// The whole address from MAC text (a field's or the command line's): true
// only when the text holds all six bytes.
bool ParseMacAddress(const std::wstring& text, MacAddress& mac);

// Twelve hex digits, alone or in pairs joined by "-" or ":" throughout, as
// a MAC address is pasted or typed into a list; false for anything else.
bool MacArgument(const std::wstring& text, MacAddress& mac);

// "%02X" six times: twelve upper-case digits.
std::wstring FormatMacCompact(const MacAddress& mac);

// The display form "XX-XX-XX-XX-XX-XX" of compact text, cut into pieces of
// two from positions 0, 2, ..., 10; pieces past the end are empty, so empty
// text gives five hyphens.
std::wstring FormatMacDisplay(const std::wstring& compact);

// The display form of an address.
std::wstring FormatMacDisplay(const MacAddress& mac);
